// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QWidget>
#include <cstddef>
#include <string>

class QLabel;
class chatLineView;

// A one-line strip that shows a chat bind the way the game will: the line in
// its game colours on a dark console background (children "chatPreview"),
// and beside it the bytes the game receives against the 149 it keeps
// ("lblChatLength"), in a warning colour when the game cuts the rest.
//
// It keeps its own dark colours whatever the window's colour style is.
class chatPreviewBar : public QWidget {
    Q_OBJECT
public:
    explicit chatPreviewBar(QWidget* parent = nullptr);

    // code: the bind's text as the builder answers it for a chat bind (the
    // part after "say" / "say_team"); lineBytes: the length of its cfg line,
    // shown once the chat is past what the server keeps. An empty code shows
    // an empty line and "0 / 149". The builder's not-bound answer is not a
    // chat text: pass an empty code for it (or call clear()).
    void showBind(const std::string& code, std::size_t lineBytes);
    void clear();

    // The strip's height, to add to a window's height rules.
    static constexpr int heightTwips() { return 375; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    chatLineView* preview_;
    QLabel* meter_;
};
