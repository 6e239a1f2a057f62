#pragma once

#include "bank_record.h"
#include "rec.h"

#include <array>

namespace bank {

// The test being taken: 30 records addressed by position 1 to 30.
class TestBase {
public:
    static constexpr int kPositions = 30;

    TRec& operator[](int pos);
    const TRec& operator[](int pos) const;

    // Empties all nine fields of every position.
    void ClearBase();

    // Sets the seven bank fields of a position from a bank record; Given becomes empty.
    void loadPosition(int pos, const BankRecord& record);

    // Sets Given of a position to the text of its option k (1 to 5).
    void commitOption(int pos, int k);

    bool isAnswered(int pos) const { return !(*this)[pos].Given.empty(); }
    bool isCorrect(int pos) const { return (*this)[pos].Given == (*this)[pos].Right; }

private:
    std::array<TRec, kPositions> records_{};
};

// Replaces every field of `to` by those of `from`, Given included.
inline void copyRecord(const TRec& from, TRec& to) {
    to = from;
}

} // namespace bank
