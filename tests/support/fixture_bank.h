#pragma once

#include "bank/bank_record.h"

#include <deque>
#include <string>
#include <vector>

namespace testing_support {

// A small bank of the real shape: every paper of every year with made-up texts, and a few
// distributions. Record i of a paper has its right answer at option ((i - 1) % 5) + 1, except
// question 5 of the 2001 paper for classes 8-9, whose options 2, 3 and 5 carry the right text.
class FixtureBank {
public:
    FixtureBank();
    FixtureBank(const FixtureBank&) = delete;
    FixtureBank& operator=(const FixtureBank&) = delete;

    const bank::Bank& bank() const { return bank_; }

    // The question text of a paper's record, as the bank holds it (Windows-1251).
    static std::string questionText(int year, const std::string& group, int pos);
    static int rightOption(int pos) { return (pos - 1) % 5 + 1; }

private:
    std::string_view keep(std::string text);

    std::deque<std::string> texts_;
    std::deque<std::string> groups_;
    std::deque<std::vector<bank::BankRecord>> records_;
    std::vector<bank::QuestionSet> sets_;
    std::deque<std::vector<bank::ScoreCount>> pairs_;
    std::vector<bank::Distribution> distributions_;
    bank::Bank bank_;
};

// Participants of 2000, class 11, by score.
const std::vector<bank::ScoreCount>& distribution2000Class11();

} // namespace testing_support
