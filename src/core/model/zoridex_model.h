#pragma once
// What the ZORIDEX viewer and the type comparisons window show.

#include <array>
#include <string>

namespace zorikan {

struct ZoridexModel {
    int selected = -1;          // entry index in ComboBox1 (species - 1); -1 for none
    bool panelVisible = false;  // Panel1, hidden until a species was displayed
    int picture = -1;           // image index of ListView1's one item
    std::string name;           // Label1
    std::string type1;          // Label2
    std::string type2;          // Label3: "/" + second type
    bool type2Visible = false;
    std::array<std::string, 4> attackNames;  // Label6, Label10, Label11, Label12
    std::array<std::string, 4> attackTypes;  // Label13..Label16
    std::string evolution;                   // Label4
};

struct TypeComparisonModel {
    int selectedAttack = -1;       // ComboBox2 entry (attack - 1)
    int selectedSpecies = -1;      // ComboBox1 entry (species - 1)
    std::string type1Multiplier;   // Label3
    std::string type2Multiplier;   // Label4
    std::string total;             // Label6
    bool type1RowVisible = false;  // Label1, Label3
    bool type2RowVisible = false;  // Label2, Label4
    bool totalVisible = false;     // Label5, Label6
};

}  // namespace zorikan
