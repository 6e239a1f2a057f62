#pragma once

#include "bank_record.h"
#include "rez_base.h"
#include "test_base.h"

#include <cstdint>
#include <string_view>

namespace bank {

inline constexpr int kFirstYear = 2000;
inline constexpr int kLastYear = 2006;

// The class group whose paper a year gives a class ("5-6", "9-11" ...); empty where the year
// has no paper for the class.
std::string_view classGroup(int year, int schoolClass);

// Questions in a year's test for a class: 26 for classes 2 and 3 from 2004 on, else 30.
std::int32_t questionCount(int year, int schoolClass);

// Where a loader writes.
struct LoadTarget {
    TestBase& Base;
    std::int32_t& QuestionCount;
};

// Loads the year's paper for the class into positions 1 to N (N = 26 or 30) without emptying
// Base first, and sets QuestionCount whether or not a paper was loaded.
void FillBase(int year, const Bank& bank, int selectedClass, LoadTarget target);

void FillBase2000(const Bank& bank, int selectedClass, LoadTarget target);
void FillBase2001(const Bank& bank, int selectedClass, LoadTarget target);
void FillBase2002(const Bank& bank, int selectedClass, LoadTarget target);
void FillBase2003(const Bank& bank, int selectedClass, LoadTarget target);
void FillBase2004(const Bank& bank, int selectedClass, LoadTarget target);
void FillBase2005(const Bank& bank, int selectedClass, LoadTarget target);
void FillBase2006(const Bank& bank, int selectedClass, LoadTarget target);

// Writes the year's distribution for the class into RezBase, score by score; scores the table
// does not list are left alone, so ClearRezBase runs first.
void FillRezBase(int year, const Bank& bank, int selectedClass, TRezBase& rezBase);

void FillRezBase2000(const Bank& bank, int selectedClass, TRezBase& rezBase);
void FillRezBase2001(const Bank& bank, int selectedClass, TRezBase& rezBase);
void FillRezBase2002(const Bank& bank, int selectedClass, TRezBase& rezBase);
void FillRezBase2003(const Bank& bank, int selectedClass, TRezBase& rezBase);
void FillRezBase2004(const Bank& bank, int selectedClass, TRezBase& rezBase);
void FillRezBase2005(const Bank& bank, int selectedClass, TRezBase& rezBase);
void FillRezBase2006(const Bank& bank, int selectedClass, TRezBase& rezBase);

using FillBaseFn = void (*)(const Bank&, int, LoadTarget);
using FillRezBaseFn = void (*)(const Bank&, int, TRezBase&);

// The loaders of a year 2000 to 2006.
FillBaseFn fillBaseOf(int year);
FillRezBaseFn fillRezBaseOf(int year);

} // namespace bank
