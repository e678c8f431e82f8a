#include "core/text/type_words.h"

namespace zorikan {

std::string TypeWord(const std::string& english) {
    // A word is no template: a "%1" in the data stays as written.
    return Text(Message{"Type", english.c_str()});
}

}  // namespace zorikan
