#include "bank_record.h"

namespace bank {

// The bank's papers and distributions are generated from assets/ at build time; until they
// are, the program's bank is empty and every loader loads nothing.
const Bank& compiledBank() {
    static const Bank bank{};
    return bank;
}

} // namespace bank
