#pragma once
// What the Mart window shows.

#include <cstdint>
#include <string>

#include "core/text/catalogue.h"

namespace zorikan {

struct MartModel {
    int selectedItem = -1;                          // RadioGroup1 entry; -1 for none
    std::int32_t quantity = 0;                      // SpinEdit1, 0..2147483647
    std::string price = Text(text::kPrice, {"0"});  // Edit1: the total followed by the yen sign
    bool buyEnabled = false;                        // Button1 "Buy"
    std::string description1;                       // Label2
    std::string description2;                       // Label3
};

}  // namespace zorikan
