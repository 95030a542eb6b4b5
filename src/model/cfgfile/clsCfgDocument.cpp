// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/cfgfile/clsCfgDocument.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_map>

#include "model/binds/clsCfgBuilder.h"
#include "model/binds/clsbind.h"
#include "model/console/clsBindLine.h"
#include "model/keys/clsGameKeys.h"

namespace {

constexpr std::size_t headerSize = 9;
// The header lines that change with every save: date, time and the file's name.
constexpr std::size_t firstFreshLine = 2, lastFreshLine = 4;

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// A physical line of the file: its text and its line end (CR LF, LF, CR or none).
struct lineSpan {
    std::size_t begin = 0, end = 0, next = 0;
};

std::vector<lineSpan> linesOf(std::string_view bytes) {
    std::vector<lineSpan> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        lineSpan line{pos, pos, pos};
        while (line.end < bytes.size() && !isLineEnd(bytes[line.end])) ++line.end;
        line.next = line.end;
        if (line.next < bytes.size()) {
            line.next +=
                bytes[line.next] == '\r' && line.next + 1 < bytes.size() && bytes[line.next + 1] == '\n' ? 2 : 1;
        }
        lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

// A change to the file's bytes within one line: [from, to) becomes text.
struct edit {
    std::size_t from = 0, to = 0;
    std::string text;
    bool removes = false;
};

// A line that holds nothing the console runs once a command was taken out of it.
bool leftEmpty(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ';' || (static_cast<unsigned char>(c) <= 0x20 && c != '\0'); });
}

}  // namespace

clsCfgDocument::clsCfgDocument(std::string name, std::string bytes, clsKeyRule keys)
    : open_(true), name_(std::move(name)), bytes_(std::move(bytes)), read_(clsCfgImport::fromBytes(bytes_, keys)) {}

void clsCfgDocument::leaveAlone(const std::vector<clsOpenRefusal>& refused) {
    for (const clsOpenRefusal& r : refused) leftAlone_.insert(clsGameKeys::identity(r.key));
}

bool clsCfgDocument::hasOurHeader(std::string_view bytes) {
    const std::vector<std::string> ours = clsCfgFile::headerLines("", clsDateTime{});
    const std::vector<lineSpan> lines = linesOf(bytes.substr(0, 4096));
    if (lines.size() < headerSize) return false;
    for (std::size_t k = 0; k < headerSize; ++k) {
        const std::string_view line = bytes.substr(lines[k].begin, lines[k].end - lines[k].begin);
        if (line.find(';') != std::string_view::npos) return false;
        // Date, time and name vary: their lines begin as ours do.
        const std::string_view expected = k == lastFreshLine ? std::string_view(ours[k]).substr(0, ours[k].size() - 1)
                                          : k >= firstFreshLine && k < lastFreshLine
                                              ? std::string_view(ours[k]).substr(0, ours[k].find(": ") + 2)
                                              : std::string_view(ours[k]);
        if (k >= firstFreshLine && k <= lastFreshLine ? !line.starts_with(expected) : line != expected) return false;
    }
    return true;
}

std::string clsCfgDocument::lineEndOf(std::string_view bytes) {
    const std::size_t last = bytes.find_last_of("\r\n");
    if (last == std::string_view::npos) return "\r\n";
    if (bytes[last] == '\r') return "\r";
    return last > 0 && bytes[last - 1] == '\r' ? "\r\n" : "\n";
}

std::vector<clsWantedBind> clsCfgDocument::wantedOf(clsCfgBuilder& builder) {
    std::vector<clsWantedBind> wanted;
    builder.go_to_first_bind();
    for (const clsbind* b = &builder.get_next_bind(); !b->key.empty(); b = &builder.get_next_bind())
        wanted.push_back({clsGameKeys::identity(b->key), clsBindLine::text(*b)});
    return wanted;
}

std::string clsCfgDocument::contents(clsCfgBuilder& builder, const std::string& fileName,
                                     const clsDateTime& when) const {
    if (!open_) return clsCfgFile::contents(builder, fileName, when);
    return saved(wantedOf(builder), fileName, when);
}

std::string clsCfgDocument::saved(const std::vector<clsWantedBind>& wanted, const std::string& fileName,
                                  const clsDateTime& when) const {
    const std::string_view in = bytes_;
    const std::string eol = lineEndOf(in);
    const std::vector<clsCfgCommand>& commands = read_.commands;

    // The file's bindings after exec, and every command that binds a key.
    std::unordered_map<std::string, const clsCfgBinding*> bound;
    for (const clsCfgBinding& b : read_.bindings) bound.emplace(b.key, &b);
    std::unordered_map<std::string, std::vector<std::size_t>> bindsOf;
    for (std::size_t k = 0; k < commands.size(); ++k)
        if (commands[k].role == clsCommandRole::bind) bindsOf[commands[k].key].push_back(k);

    // The line each key is to have now; a later bind of a key wins.
    std::vector<std::string> order;
    std::unordered_map<std::string, std::string> lineOf;
    for (const clsWantedBind& w : wanted) {
        if (lineOf.insert_or_assign(w.key, w.line).second) order.push_back(w.key);
    }

    std::map<std::size_t, std::string> replaced;  // by command
    std::vector<std::size_t> removed;
    std::vector<std::string> appended;
    for (const std::string& key : order) {
        const std::string& line = lineOf[key];
        const auto was = bound.find(key);
        if (was == bound.end()) {
            appended.push_back(line);
            continue;
        }
        if (clsCfgImport::bindingOf(line) != was->second->binding) replaced[was->second->command] = line;
    }
    for (const clsCfgBinding& b : read_.bindings) {
        if (lineOf.contains(b.key) || leftAlone_.contains(b.key)) continue;
        for (const std::size_t k : bindsOf[b.key]) removed.push_back(k);
    }

    // Each change as bytes of one line.
    std::vector<edit> edits;
    for (const auto& [k, line] : replaced) {
        const clsCommandSpan& s = commands[k].span;
        // A command cut at the line limit takes the byte the console lost
        // with it, and the rest of the line stays a command of its own.
        if (s.endsWith == clsCommandSpan::ending::cut)
            edits.push_back({s.begin, s.end, line + eol, false});
        else
            edits.push_back({s.begin, s.begin + s.length, line, false});
    }
    for (const std::size_t k : removed) {
        const clsCommandSpan& s = commands[k].span;
        if (s.endsWith == clsCommandSpan::ending::separator || s.endsWith == clsCommandSpan::ending::cut) {
            edits.push_back({s.begin, s.end, {}, true});
        } else {
            // The last command of its line: the ';' before it goes with it.
            const std::size_t from = s.begin > 0 && in[s.begin - 1] == ';' ? s.begin - 1 : s.begin;
            edits.push_back({from, s.begin + s.length, {}, true});
        }
    }
    std::sort(edits.begin(), edits.end(), [](const edit& a, const edit& b) { return a.from < b.from; });

    const bool ourHeader = hasOurHeader(in);
    const std::vector<std::string> header = clsCfgFile::headerLines(fileName, when);
    std::string out;
    out.reserve(in.size() + 1024 * appended.size());
    std::size_t next = 0;  // the first edit not applied yet
    const std::vector<lineSpan> lines = linesOf(in);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const lineSpan& line = lines[n];
        if (ourHeader && n >= firstFreshLine && n <= lastFreshLine) {
            out += header[n];
            out.append(in.substr(line.end, line.next - line.end));
            continue;
        }
        if (next == edits.size() || edits[next].from > line.end) {
            out.append(in.substr(line.begin, line.next - line.begin));
            continue;
        }
        std::string text;
        bool removes = false;
        std::size_t at = line.begin;
        for (; next < edits.size() && edits[next].from <= line.end; ++next) {
            const edit& e = edits[next];
            // Removals side by side may share the ';' between them.
            const std::size_t from = std::max(e.from, at);
            text.append(in.substr(at, from - at));
            text += e.text;
            at = std::max(at, e.to);
            removes = removes || e.removes;
        }
        text.append(in.substr(at, line.end - at));
        if (removes && leftEmpty(text)) continue;
        out += text;
        out.append(in.substr(line.end, line.next - line.end));
    }
    // A file without a last line end keeps it so.
    const bool endsLine = in.empty() || isLineEnd(in.back());
    if (!endsLine && !out.empty() && out.ends_with(eol)) out.resize(out.size() - eol.size());
    for (const std::string& line : appended) {
        if (!out.empty() && !isLineEnd(out.back())) out += eol;
        out += line;
        if (endsLine) out += eol;
    }
    return out;
}
