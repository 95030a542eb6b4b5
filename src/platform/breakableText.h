// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

// Text for a box that breaks its lines only at blanks (a message box, a
// word-wrapped list entry): in a stretch without blanks longer than a line
// holds (a long path), offers a break, an invisible zero-width space, after
// every folder separator and every 40 characters, so that it wraps instead of
// running past the edge. Shorter words stay as they are.
QString breakableText(const QString& text);
