// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/widgets/keyPressFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <utility>

std::string boxCodes(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) out.push_back(ch.unicode() > 255 ? '\x7f' : static_cast<char>(ch.unicode()));
    return out;
}

namespace {

// True for a key press that types a character (as opposed to a shortcut,
// navigation or an editing key without a character).
bool typesCharacter(const QKeyEvent* e) {
    if (e->text().isEmpty()) return false;
    if (e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) return false;
    switch (e->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_Delete: return false;
        default: return true;
    }
}

class typedKeyFilter : public QObject {
public:
    typedKeyFilter(QLineEdit* box, IBeep& beep, const boxRules& rules)
        : QObject(box),
          box_(box),
          beep_(beep),
          typed_(rules.typed),
          refused_(rules.refused),
          accepted_(rules.accepted),
          enterSubmits_(rules.enterSubmits) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != box_ || event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!typesCharacter(key)) return false;
        if (enterSubmits_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) return false;
        const QString all = box_->text();
        int from = box_->cursorPosition();
        int to = from;
        if (box_->hasSelectedText()) {
            from = box_->selectionStart();
            to = from + static_cast<int>(box_->selectedText().size());
        }
        const std::string before = boxCodes(all.left(from));
        const std::string after = boxCodes(all.mid(to));
        const char16_t u = key->text().at(0).unicode();
        const char c = u > 255 ? '\x7f' : static_cast<char>(u);
        if (typed_(c, before, after)) {
            if (accepted_) accepted_();
            return false;
        }
        beep_.beep();
        if (refused_) refused_(key->text().left(1));
        return true;  // the character is dropped
    }

private:
    QLineEdit* box_;
    IBeep& beep_;
    std::function<bool(char, std::string_view, std::string_view)> typed_;
    std::function<void(const QString&)> refused_;
    std::function<void()> accepted_;
    bool enterSubmits_;
};

// What cleaning took out of text: the characters of text that cleaned, a
// part of it in order, does not keep (codes: text as 8-bit codes).
QString removedBy(const QString& text, const std::string& codes, const std::string& cleaned) {
    QString removed;
    std::size_t kept = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (kept < cleaned.size() && codes[static_cast<std::size_t>(i)] == cleaned[kept])
            ++kept;
        else
            removed += text.at(i);
    }
    return removed;
}

class cleaningValidator : public QValidator {
public:
    cleaningValidator(QObject* parent, IBeep& beep, const boxRules& rules)
        : QValidator(parent), beep_(beep), clean_(rules.clean), refused_(rules.refused) {}

    State validate(QString& input, int& pos) const override {
        const std::string codes = boxCodes(input);
        const std::string cleaned = clean_(codes);
        if (cleaned == codes) return Acceptable;
        // Keep the cursor after what survived of the text left of it.
        const int dropped = static_cast<int>(codes.size() - cleaned.size());
        const QString removed = refused_ ? removedBy(input, codes, cleaned) : QString();
        input = QString::fromLatin1(cleaned.data(), static_cast<qsizetype>(cleaned.size()));
        pos = std::max(0, std::min(pos - dropped, static_cast<int>(input.size())));
        beep_.beep();
        if (refused_) refused_(removed);
        return Acceptable;
    }

private:
    IBeep& beep_;
    std::function<std::string(std::string_view)> clean_;
    std::function<void(const QString&)> refused_;
};

class typingBeeper : public QObject {
public:
    typingBeeper(QWidget* box, IBeep& beep) : QObject(box), box_(box), beep_(beep) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != box_ || event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!typesCharacter(key)) return false;
        beep_.beep();
        return true;
    }

private:
    QWidget* box_;
    IBeep& beep_;
};

}  // namespace

void filterBox(QLineEdit* box, IBeep& beep, boxRules rules) {
    box->installEventFilter(new typedKeyFilter(box, beep, rules));
    box->setValidator(new cleaningValidator(box, beep, rules));
}

void beepOnTyping(QWidget* box, IBeep& beep) { box->installEventFilter(new typingBeeper(box, beep)); }
