#pragma once

// The record texts of the question bank, generated at build time from
// bank/records/*.txt (see bank/generator). Index 0 is test 101.

#include "bank/catalogue.h"

struct RecordText {
    const char16_t *text;
    int size; // in UTF-16 code units, without the terminating zero
};

constexpr int RecordTextCount = catalogue::TestCount;
extern const RecordText RecordTexts[RecordTextCount];
