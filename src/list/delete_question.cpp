#include "list/delete_question.h"

#include "list/cell_texts.h"
#include "res/strings.h"

namespace zm {
namespace {

std::string Fill(std::string text, std::string_view marker, const std::string& value) {
    const size_t at = text.find(marker);
    if (at != std::string::npos) text.replace(at, marker.size(), value);
    return text;
}

} // namespace

std::string DeleteQuestion(size_t count, std::string_view firstName) {
    if (count != 1) return Fill(LoadString(IDS_ASK_DELETE_EVENTS), "%d", std::to_string(count));
    std::string name(firstName);
    if (CharacterCount(firstName) >= 128) name = FirstCharacters(firstName, 124) + "...";
    return Fill(LoadString(IDS_ASK_DELETE_EVENT), "%s", name);
}

} // namespace zm
