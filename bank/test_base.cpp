#include "test_base.h"

#include <cassert>

namespace bank {

TRec& TestBase::operator[](int pos) {
    assert(pos >= 1 && pos <= kPositions);
    return records_[static_cast<std::size_t>(pos - 1)];
}

const TRec& TestBase::operator[](int pos) const {
    assert(pos >= 1 && pos <= kPositions);
    return records_[static_cast<std::size_t>(pos - 1)];
}

void TestBase::ClearBase() {
    for (TRec& rec : records_) {
        rec = TRec{};
    }
}

void TestBase::loadPosition(int pos, const BankRecord& record) {
    TRec& rec = (*this)[pos];
    rec.Q = record.Q;
    rec.A1 = record.A[0];
    rec.A2 = record.A[1];
    rec.A3 = record.A[2];
    rec.A4 = record.A[3];
    rec.A5 = record.A[4];
    rec.Given.clear();
    rec.Right = record.Right;
    rec.Com = record.Com;
}

void TestBase::commitOption(int pos, int k) {
    TRec& rec = (*this)[pos];
    rec.Given = rec.option(k);
}

} // namespace bank
