#pragma once

#include "engine/controls.h"
#include "ui/controls.h"
#include "ui/img_btn.h"
#include "ui/keyboard_focus.h"
#include "ui/widgets.h"

#include <QDialog>
#include <QTimer>
#include <map>
#include <memory>
#include <vector>

namespace ui {

class ViewerControl;

// A frameless picture dialog of fixed size: its background, message pictures and buttons.
class PictureDialog : public QDialog {
    Q_OBJECT

public:
    PictureDialog(const QString& className, QSize size, QWidget* owner);

    // Opens modally, centred over the owner; returns when the dialog has closed.
    void openModal();

    // Closes the dialog once no other dialog is open over it: one opened over it in the same
    // handler (the time dialog at 00:00) leaves it on screen, inactive, until that one closes.
    void requestClose();

    // What the dialog says now, as a reader names it.
    virtual QString message() const = 0;
    // The buttons Enter and Esc press (none: the key does nothing).
    TImgBtn* defaultButton() const { return default_; }
    TImgBtn* escapeButton() const { return escape_; }

protected:
    // Esc and the window system's close do nothing: only the dialog's buttons close it.
    void reject() override {}
    // Enter and Esc press the dialog's buttons; Tab goes through them in order.
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // Buttons and viewers in reading order, for Tab and for a reader.
    QList<QWidget*> controls() const;
    void setKeys(TImgBtn* enter, TImgBtn* escape);

    TImgBtn* addButton(const QString& name, QRect geometry);
    PictureBox* addPicture(const QString& name, QRect geometry, bool visible);

    QString className_;

private:
    void finishRequestedClose();

    bool closeRequested_ = false;
    FocusMark* focusMark_;
    TImgBtn* default_ = nullptr;
    TImgBtn* escape_ = nullptr;
};

// The engine's view of a dialog.
class DialogControl : public engine::Dialog {
public:
    explicit DialogControl(PictureDialog* dialog) : dialog_(dialog) {}
    engine::Image& image(std::string_view name) override;
    engine::Viewer& viewer(std::string_view name) override;
    void showModal() override { dialog_->openModal(); }
    void close() override;
    bool isOpen() const override { return dialog_->isVisible(); }

    void addImage(std::string_view name, PictureBox* box);
    void addViewer(std::string_view name, engine::Viewer* viewer);

private:
    PictureDialog* dialog_;
    std::map<std::string, ImageControl, std::less<>> images_;
    std::map<std::string, engine::Viewer*, std::less<>> viewers_;
};

// "Точно хотите выйти?" and "Точно хочешь закончить раньше времени?": Да and Нет.
class TYesNoForm : public PictureDialog {
    Q_OBJECT
public:
    TYesNoForm(const QString& className, const QString& message, QWidget* owner);
    QString message() const override { return message_; }
    TImgBtn* YesBtn;
    TImgBtn* NoBtn;

private:
    QString message_;
};

// A choice is missing: one of three messages over a mascot wagging its finger.
class TTestErrorForm : public PictureDialog {
    Q_OBJECT
public:
    explicit TTestErrorForm(QWidget* owner);
    QString message() const override;
    TImgBtn* OKBtn;
    PictureBox* YearImg;
    PictureBox* ClassImg;
    PictureBox* AnswerImg;

private:
    void TimerTimer();

    PictureBox* pim_;
    std::vector<QPixmap> frames_;
    QTimer timer_;
    int animStep_ = 0;
    bool animBackward_ = false;
};

// Time is over, or every question is answered.
class TTimeForm : public PictureDialog {
    Q_OBJECT
public:
    explicit TTimeForm(QWidget* owner);
    QString message() const override;
    TImgBtn* RezBtn;
    PictureBox* Time;
    PictureBox* AllQ;
};

// The rules page on a pinned sheet.
class THelpForm : public PictureDialog {
    Q_OBJECT
public:
    explicit THelpForm(QWidget* owner);
    QString message() const override { return QStringLiteral("Правила"); }
    TImgBtn* CloseBtn;
    QWidget* viewerHost() const { return host_; }

private:
    QWidget* host_;
};

} // namespace ui
