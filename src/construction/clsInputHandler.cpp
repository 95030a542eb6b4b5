#include "construction/clsInputHandler.h"

namespace {
constexpr std::int16_t code(char c) { return static_cast<std::int16_t>(static_cast<unsigned char>(c)); }
const std::string backspace(1, '\b');
}  // namespace

std::int16_t clsInputHandler::NoInput(std::int16_t) const { return 0; }

std::int16_t clsInputHandler::MinMax(std::int16_t asci, std::int16_t min, std::int16_t max) const {
    return (asci >= min && asci <= max) ? asci : 0;
}

std::int16_t clsInputHandler::Exclude(std::int16_t asci, const std::string& without) const {
    for (char c : without)
        if (code(c) == asci) return 0;
    return asci;
}

std::int16_t clsInputHandler::Include(std::int16_t asci, const std::string& Incl) const {
    for (char c : Incl)
        if (code(c) == asci) return asci;
    return 0;
}

std::int16_t clsInputHandler::filterChatText(std::int16_t asci) const {
    static const std::string allowed = backspace + chatPunctuation + " ";
    if (MinMax(asci, code('a'), code('z')) || MinMax(asci, code('A'), code('Z')) ||
        MinMax(asci, code('0'), code('9')) || Include(asci, allowed))
        return asci;
    return 0;
}

std::int16_t clsInputHandler::filterFileName(std::int16_t asci) const {
    if (MinMax(asci, code('a'), code('z')) || MinMax(asci, code('A'), code('Z')) ||
        MinMax(asci, code('0'), code('9')) || Include(asci, backspace))
        return asci;
    return 0;
}

bool clsInputHandler::chatCharFits(char c, std::string_view before, std::string_view after) const {
    if (filterChatText(code(c)) == 0) return false;
    if (c == '\b') return true;  // deleting never makes a forbidden pair
    if (c == ';') return false;  // the console would run what follows as a command
    // The console takes "//" and "/*" as the start of a comment.
    const char left = before.empty() ? '\0' : before.back();
    const char right = after.empty() ? '\0' : after.front();
    if (c == '/' && (left == '/' || right == '/' || right == '*')) return false;
    if (c == '*' && left == '/') return false;
    return true;
}

std::string clsInputHandler::cleanChatText(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\b') continue;
        // Only what was kept so far stands to the left; the next character
        // is judged when its turn comes, so look at nothing on the right.
        if (chatCharFits(c, out, std::string_view{})) out.push_back(c);
    }
    return out;
}

std::string clsInputHandler::cleanFileName(std::string_view text) const {
    std::string out;
    for (char c : text)
        if (c != '\b' && filterFileName(code(c)) != 0) out.push_back(c);
    return out;
}
