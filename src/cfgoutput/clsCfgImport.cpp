#include "cfgoutput/clsCfgImport.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <unordered_map>

#include "bindmodel/clsConsoleLexer.h"
#include "construction/clsChatPreview.h"

namespace {

namespace fs = std::filesystem;
using lexer = clsConsoleLexer;

// The text after the third word of a command (the blank after that word
// taken off): what "bind KEY say TEXT" writes as TEXT, byte for byte. None
// when quotes or comments make the words differ from what is written.
std::optional<std::string_view> writtenTail(std::string_view command) {
    if (command.find('"') != std::string_view::npos || command.find("//") != std::string_view::npos ||
        command.find("/*") != std::string_view::npos)
        return std::nullopt;
    std::size_t i = 0;
    for (int word = 0; word < 3; ++word) {
        while (i < command.size() && lexer::isBlank(command[i])) ++i;
        if (i == command.size()) return std::nullopt;
        while (i < command.size() && !lexer::isBlank(command[i])) ++i;
    }
    if (i == command.size()) return std::nullopt;
    return command.substr(i + 1);
}

std::string visibleText(std::string_view code) {
    std::string text;
    for (const clsChatRun& run : clsChatPreview::colorRuns(code)) text += run.text;
    return text;
}

// The bindings so far: a key rebound keeps its place, an unbound key
// leaves a gap that is closed at the end.
struct consoleKeys {
    std::vector<clsCfgBinding> bound;
    std::vector<bool> alive;
    std::unordered_map<std::string, std::size_t> at;  // by folded key

    void bind(const std::string& key, std::string binding, clsOpenedBind b) {
        const auto [it, first] = at.try_emplace(lexer::foldedKey(key), bound.size());
        if (first) {
            bound.push_back({std::move(binding), std::move(b)});
            alive.push_back(true);
            return;
        }
        b.key = bound[it->second].bind.key;  // the spelling it was first bound with
        bound[it->second] = {std::move(binding), std::move(b)};
    }
    void unbind(const std::string& key) {
        const auto it = at.find(lexer::foldedKey(key));
        if (it == at.end()) return;
        alive[it->second] = false;
        at.erase(it);
    }
    void unbindAll() {
        bound.clear();
        alive.clear();
        at.clear();
    }
    std::vector<clsCfgBinding> left() {
        std::vector<clsCfgBinding> out;
        for (std::size_t k = 0; k < bound.size(); ++k)
            if (alive[k]) out.push_back(std::move(bound[k]));
        return out;
    }
};

}  // namespace

std::optional<std::string> clsCfgImport::bindingOf(std::string_view line) {
    if (line.size() > lexer::lineLimit) return std::nullopt;
    const std::vector<clsConsoleCommand> commands = lexer::commands(line);
    if (commands.size() != 1) return std::nullopt;
    const std::vector<std::string> words = lexer::words(commands.front().text);
    if (words.size() < 3 || lexer::foldedKey(words[0]) != "bind") return std::nullopt;
    return lexer::joined(words, 2);
}

clsOpenedBind clsCfgImport::asBind(std::string_view command, const std::string& key, const std::string& binding) {
    clsOpenedBind b;
    b.key = key;
    // A chat binding the writer would have to quote is kept as the radio kind, which it quotes.
    const bool plain = !clsBindLine::holdsChainOrComment(binding);
    for (const std::string kind : {"say", "say_team"}) {
        // "say" alone may come from a chat line of blanks only ("say \t"): only the written text gives it back.
        if (!plain || !(binding.starts_with(kind + " ") || binding == kind)) continue;
        std::vector<std::string> codes;
        if (const auto tail = writtenTail(command)) codes.emplace_back(*tail);
        if (binding != kind) codes.push_back(binding.substr(kind.size() + 1));
        for (const std::string& code : codes) {
            if (code.empty() || bindingOf(clsBindLine::text(key, kind, code)) != binding) continue;
            b.kind = kind;
            b.code = code;
            b.description = visibleText(code);
            return b;
        }
    }
    b.kind = clsBindLine::radioKind;
    b.code = binding;
    return b;
}

clsCfgImport clsCfgImport::fromBytes(std::string_view bytes) {
    clsCfgImport read;
    read.size = bytes.size();
    if (bytes.find('\0') != std::string_view::npos) {
        read.problem = clsImportProblem::binary;
        return read;
    }
    consoleKeys keys;
    for (const clsConsoleCommand& command : lexer::commands(bytes)) {
        const std::vector<std::string> words = lexer::words(command.text);
        if (words.empty()) continue;  // blanks and comments
        const std::string name = lexer::foldedKey(words[0]);
        if (name == "bind" && words.size() >= 3 && !words[1].empty()) {
            std::string binding = lexer::joined(words, 2);
            // "bind KEY """ and the like leave the key doing nothing.
            if (lexer::words(binding).empty()) {
                keys.unbind(words[1]);
                ++read.unbinds;
                continue;
            }
            clsOpenedBind b = asBind(command.text, words[1], binding);
            b.line = command.line;
            keys.bind(words[1], std::move(binding), std::move(b));
        } else if (name == "unbind" && words.size() == 2) {
            keys.unbind(words[1]);
            ++read.unbinds;
        } else if (name == "unbindall") {
            keys.unbindAll();
            ++read.unbinds;
        } else {
            // Anything else, also "bind KEY" alone, which only shows the binding.
            read.skipped.push_back({command.line, command.text});
        }
    }
    read.bindings = keys.left();
    return read;
}

clsCfgImport clsCfgImport::fromFile(const std::string& path, std::size_t largest) {
    clsCfgImport read;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        read.problem = ec && ec != std::errc::no_such_file_or_directory ? clsImportProblem::unreadable
                                                                         : clsImportProblem::missing;
        return read;
    }
    // Never a folder, and never a device or pipe that might not end.
    if (!fs::is_regular_file(status)) {
        read.problem = clsImportProblem::notAFile;
        return read;
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (!ec && size > largest) {
        read.problem = clsImportProblem::tooLarge;
        read.size = static_cast<std::size_t>(size);
        return read;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        read.problem = clsImportProblem::unreadable;
        return read;
    }
    // The file may grow while it is read: never more than one block past the limit.
    std::string bytes;
    if (!ec) bytes.reserve(static_cast<std::size_t>(size));
    char block[65536];
    while (bytes.size() <= largest && in.read(block, sizeof block).gcount() > 0)
        bytes.append(block, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        read.problem = clsImportProblem::unreadable;
        return read;
    }
    if (bytes.size() > largest) {
        read.problem = clsImportProblem::tooLarge;
        read.size = bytes.size();
        return read;
    }
    return fromBytes(bytes);
}

std::vector<clsOpenedBind> clsCfgImport::binds() const {
    std::vector<clsOpenedBind> out;
    out.reserve(bindings.size());
    for (const clsCfgBinding& b : bindings) out.push_back(b.bind);
    return out;
}
