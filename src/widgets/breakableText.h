#pragma once
#include <QString>

// Text for a box that breaks its lines only at blanks (a message box, a
// word-wrapped list entry): offers a break, an invisible zero-width space,
// after every folder separator and inside any stretch without blanks still
// longer than a line holds, so that a long path wraps instead of running past
// the edge.
QString breakableText(const QString& text);
