// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/cfgfile/clsCfgImport.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <unordered_map>

#include "model/console/clsChatPreview.h"
#include "model/console/clsConsoleLexer.h"
#include "model/keys/clsGameKeys.h"

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
    std::unordered_map<std::string, std::size_t> at;  // by the key's identity

    void bind(const std::string& key, std::string binding, clsOpenedBind b, std::size_t command) {
        const auto [it, first] = at.try_emplace(key, bound.size());
        if (first) {
            bound.push_back({std::move(binding), std::move(b), key, command});
            alive.push_back(true);
            return;
        }
        b.key = bound[it->second].bind.key;  // the spelling it was first bound with
        bound[it->second] = {std::move(binding), std::move(b), key, command};
    }
    void unbind(const std::string& key) {
        const auto it = at.find(key);
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
    for (const clsBindKind kind : {clsBindKind::say, clsBindKind::sayTeam}) {
        const std::string word(kindText(kind));
        // "say" alone may come from a chat line of blanks only ("say \t"): only the written text gives it back.
        if (!plain || !(binding.starts_with(word + " ") || binding == word)) continue;
        std::vector<std::string> codes;
        if (const auto tail = writtenTail(command)) codes.emplace_back(*tail);
        if (binding != word) codes.push_back(binding.substr(word.size() + 1));
        for (const std::string& code : codes) {
            if (code.empty() || bindingOf(clsBindLine::text(key, kind, code)) != binding) continue;
            b.kind = kind;
            b.code = code;
            b.description = visibleText(code);
            return b;
        }
    }
    b.kind = clsBindKind::radio;
    b.code = binding;
    return b;
}

namespace {

// The key a name stands for under the rule; none when it is no key.
std::optional<std::string> keyOf(const std::string& name, clsKeyRule rule) {
    if (rule == clsKeyRule::game) {
        if (!clsGameKeys::canonical(name)) return std::nullopt;
    } else if (name.empty()) {
        return std::nullopt;
    }
    return clsGameKeys::identity(name);
}

}  // namespace

clsCfgImport clsCfgImport::fromBytes(std::string_view bytes, clsKeyRule rule) {
    clsCfgImport read;
    read.size = bytes.size();
    if (bytes.find('\0') != std::string_view::npos) {
        read.problem = clsImportProblem::binary;
        return read;
    }
    consoleKeys keys;
    for (const clsCommandSpan& span : lexer::spans(bytes)) {
        if (span.length == 0) continue;
        const std::string_view text = bytes.substr(span.begin, span.length);
        const std::vector<std::string> words = lexer::words(text);
        if (words.empty()) continue;  // blanks and comments
        clsCfgCommand command{span, clsCommandRole::other, {}};
        const std::string name = lexer::foldedKey(words[0]);
        const bool binds = name == "bind" && words.size() >= 3 && !words[1].empty();
        const bool unbinds = name == "unbind" && words.size() == 2;
        const std::optional<std::string> key = binds || unbinds ? keyOf(words[1], rule) : std::nullopt;
        if (key && binds) {
            command.role = clsCommandRole::bind;
            command.key = *key;
            std::string binding = lexer::joined(words, 2);
            // "bind KEY """ and the like leave the key doing nothing.
            if (lexer::words(binding).empty()) {
                keys.unbind(*key);
                ++read.unbinds;
            } else {
                clsOpenedBind b = asBind(text, words[1], binding);
                b.line = span.line;
                keys.bind(*key, std::move(binding), std::move(b), read.commands.size());
            }
        } else if (key && unbinds) {
            command.role = clsCommandRole::unbind;
            command.key = *key;
            keys.unbind(*key);
            ++read.unbinds;
        } else if (name == "unbindall") {
            command.role = clsCommandRole::unbindAll;
            keys.unbindAll();
            ++read.unbinds;
        } else {
            // Anything else, also "bind KEY" alone, which only shows the
            // binding, and a bind of a key the game does not know.
            read.skipped.push_back({span.line, std::string(text), binds || unbinds ? words[1] : std::string()});
        }
        read.commands.push_back(std::move(command));
    }
    read.bindings = keys.left();
    return read;
}

clsImportProblem clsCfgImport::readFile(const std::string& path, std::size_t largest, std::string& bytes,
                                        std::size_t& size) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status))
        return ec && ec != std::errc::no_such_file_or_directory ? clsImportProblem::unreadable
                                                                : clsImportProblem::missing;
    // Never a folder, and never a device or pipe that might not end.
    if (!fs::is_regular_file(status)) return clsImportProblem::notAFile;
    const std::uintmax_t fileSize = fs::file_size(path, ec);
    if (!ec && fileSize > largest) {
        size = static_cast<std::size_t>(fileSize);
        return clsImportProblem::tooLarge;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return clsImportProblem::unreadable;
    // The file may grow while it is read: never more than one block past the limit.
    bytes.clear();
    if (!ec) bytes.reserve(static_cast<std::size_t>(fileSize));
    char block[65536];
    while (bytes.size() <= largest && in.read(block, sizeof block).gcount() > 0)
        bytes.append(block, static_cast<std::size_t>(in.gcount()));
    size = bytes.size();
    if (in.bad()) return clsImportProblem::unreadable;
    if (bytes.size() > largest) return clsImportProblem::tooLarge;
    return clsImportProblem::none;
}

clsCfgImport clsCfgImport::fromFile(const std::string& path, std::size_t largest, clsKeyRule rule) {
    std::string bytes;
    std::size_t size = 0;
    const clsImportProblem problem = readFile(path, largest, bytes, size);
    if (problem != clsImportProblem::none) {
        clsCfgImport read;
        read.problem = problem;
        read.size = problem == clsImportProblem::tooLarge ? size : 0;
        return read;
    }
    return fromBytes(bytes, rule);
}

std::vector<clsOpenedBind> clsCfgImport::binds() const {
    std::vector<clsOpenedBind> out;
    out.reserve(bindings.size());
    for (const clsCfgBinding& b : bindings) out.push_back(b.bind);
    return out;
}
