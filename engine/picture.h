#pragma once

#include <memory>
#include <typeinfo>

namespace engine {

// A picture as the engine sees it: an opaque value copied between controls. The window layer
// stores its own image type inside; the engine never looks in. Two pictures are equal when they
// share the same image.
class Picture {
public:
    Picture() = default;

    template <class T> static Picture of(T image) {
        Picture p;
        p.image_ = std::make_shared<const T>(std::move(image));
        p.type_ = &typeid(T);
        return p;
    }

    // The stored image, if it is a T.
    template <class T> const T* as() const {
        return type_ != nullptr && *type_ == typeid(T) ? static_cast<const T*>(image_.get())
                                                       : nullptr;
    }

    bool empty() const { return image_ == nullptr; }

    friend bool operator==(const Picture& a, const Picture& b) { return a.image_ == b.image_; }

private:
    std::shared_ptr<const void> image_;
    const std::type_info* type_ = nullptr;
};

} // namespace engine
