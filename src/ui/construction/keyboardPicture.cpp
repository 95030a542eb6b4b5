// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/construction/keyboardPicture.h"

#include "platform/qtText.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <vector>

#include "model/console/clsChatPreview.h"
#include "model/keys/clsKeyboardLayout.h"
#include "model/styles/clsContrast.h"
#include "ui/construction/chatLineHtml.h"
#include "ui/styles/stylePainter.h"

namespace {

// Around the keys a quarter of a key is left free; under them the legend
// takes a row of its own.
constexpr double margin = 0.25;
constexpr double legendRow = 0.8;
double unitsWide() { return clsKeyboardLayout::width() + 2 * margin; }
double unitsHigh() { return clsKeyboardLayout::height() + 2 * margin + legendRow; }

// Where the picture goes in an area: the size of a key unit and the top left
// corner of the keys.
struct fit {
    double unit;
    QPointF origin;
};
fit fitIn(const QRectF& area) {
    const double unit = std::max(1.0, std::min(area.width() / unitsWide(), area.height() / unitsHigh()));
    const QPointF corner(area.center().x() - unitsWide() * unit / 2, area.center().y() - unitsHigh() * unit / 2);
    return {unit, corner + QPointF(margin * unit, margin * unit)};
}
QRectF cell(const fit& f, double left, double top, double width, double height) {
    return QRectF(f.origin.x() + left * f.unit, f.origin.y() + top * f.unit, width * f.unit, height * f.unit);
}
QRectF cell(const fit& f, const clsLayoutKey& k) { return cell(f, k.left, k.top, k.width, k.height); }

QColor textOn(const QColor& face) { return stylePainter::fromBgr(clsContrast::textOn(stylePainter::toBgr(face))); }

// The faces and texts every state is drawn in, from the window's colours.
struct look {
    QColor fill, text, edge;
    bool dashed = false;
};
look lookOf(const keyboardPicture::palette& c, clsKeyState state) {
    const QColor edge = stylePainter::mixed(textOn(c.form), c.form, 0.45);
    const int kind = clsKeyboardMap::kindIndex(state);
    if (kind >= 0) {
        const QColor fill = c.kinds[static_cast<std::size_t>(kind)];
        return {fill, textOn(fill), edge, false};
    }
    if (state == clsKeyState::free) return {c.face, textOn(c.face), edge, false};
    // Cannot be bound: a face half way to the window's, its caption faint.
    const QColor grey = stylePainter::mixed(c.face, c.form, 0.6);
    return {grey, stylePainter::mixed(textOn(grey), grey, 0.45), stylePainter::mixed(edge, c.form, 0.3), true};
}

QFont pixelFont(const QFont& base, double pixels, bool bold = false) {
    QFont f = base;
    f.setPixelSize(std::max(6, static_cast<int>(std::lround(pixels))));
    f.setBold(bold);
    return f;
}

// Text in at most `lines` lines of the width, broken between words (inside
// a word too long for a line), the last line elided.
QStringList fitLines(const QString& text, const QFontMetricsF& m, double width, int lines) {
    QStringList out;
    QString rest = text.simplified();
    while (!rest.isEmpty() && out.size() < lines) {
        if (out.size() == lines - 1 || m.horizontalAdvance(rest) <= width) {
            out << m.elidedText(rest, Qt::ElideRight, width);
            break;
        }
        qsizetype cut = -1;
        for (qsizetype i = rest.indexOf(' '); i > 0 && m.horizontalAdvance(rest.left(i)) <= width;
             i = rest.indexOf(' ', i + 1))
            cut = i;
        if (cut < 0) {  // a word too long for a line: cut short, and nothing after it
            out << m.elidedText(rest.section(QLatin1Char(' '), 0, 0), Qt::ElideRight, width);
            break;
        }
        out << rest.left(cut);
        rest = rest.mid(cut).trimmed();
    }
    return out;
}

// The face at the largest size from `pixels` down to `least` at which the
// text fits the width.
QFont fittingFont(const QFont& base, double pixels, double least, const QString& text, double width) {
    QFont f = pixelFont(base, pixels);
    while (f.pixelSize() > std::max(6.0, least) && QFontMetricsF(f).horizontalAdvance(text) > width)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

// ---- Accessibility: each key a child of the picture ------------------------

class keyAccessible : public QAccessibleInterface {
public:
    keyAccessible(keyboardPicture* picture, int place) : picture_(picture), place_(place) {}
    bool isValid() const override { return !picture_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return picture_ ? picture_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(picture_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (!picture_) return {};
        if (t == QAccessible::Name) return picture_->describe(place_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!picture_) return {};
        const QRect local = picture_->placeRect(place_).toAlignedRect();
        return QRect(picture_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!picture_) return s;
        s.focusable = true;
        s.focused = picture_->hasFocus() && picture_->focusPlace() == place_;
        s.invisible = !picture_->isVisible();
        return s;
    }
    int place() const { return place_; }

private:
    QPointer<keyboardPicture> picture_;
    int place_;
};

class pictureAccessible : public QAccessibleWidget {
public:
    explicit pictureAccessible(keyboardPicture* picture)
        : QAccessibleWidget(picture, QAccessible::Grouping),
          picture_(picture),
          ids_(clsKeyboardLayout::keys().size(), 0) {}
    ~pictureAccessible() override {
        for (const QAccessible::Id id : ids_)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return static_cast<int>(ids_.size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
        if (id == 0) id = QAccessible::registerAccessibleInterface(new keyAccessible(picture_, index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* key = dynamic_cast<const keyAccessible*>(child);
        return key ? key->place() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        return child(picture_->placeAt(picture_->mapFromGlobal(QPoint(x, y))));
    }
    QAccessibleInterface* focusChild() const override {
        return picture_->hasFocus() ? child(picture_->focusPlace()) : nullptr;
    }

private:
    keyboardPicture* picture_;
    mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* pictureFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("keyboardPicture") && object && object->isWidgetType())
        return new pictureAccessible(static_cast<keyboardPicture*>(object));
    return nullptr;
}

}  // namespace

keyboardPicture::keyboardPicture(QWidget* parent) : QWidget(parent) {
    static const bool accessible = [] {
        QAccessible::installFactory(pictureFactory);
        return true;
    }();
    (void)accessible;
    setObjectName(QStringLiteral("picKeyboard"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleName(tr("Keyboard and mouse"));
    setAccessibleDescription(
        tr("Each key shows its bind: public chat, team chat, radio or other command; free keys are plain; greyed "
           "keys cannot be bound."));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    colours_ = {QColor(Qt::lightGray), QColor(Qt::white), {}};
}

keyboardPicture::~keyboardPicture() = default;

void keyboardPicture::setMap(const clsKeyboardMap* map) {
    map_ = map;
    update();
}

void keyboardPicture::setPalette(const palette& colours) {
    colours_ = colours;
    update();
}

QSize keyboardPicture::sizeHint() const {
    return QSize(static_cast<int>(unitsWide() * 36), static_cast<int>(unitsHigh() * 36));
}
QSize keyboardPicture::minimumSizeHint() const {
    return QSize(static_cast<int>(unitsWide() * 16), static_cast<int>(unitsHigh() * 16));
}

QRectF keyboardPicture::placeRect(int place) const { return placeRectIn(place, QRectF(rect())); }

QRectF keyboardPicture::placeRectIn(int place, const QRectF& area) {
    const auto& keys = clsKeyboardLayout::keys();
    if (place < 0 || static_cast<std::size_t>(place) >= keys.size()) return {};
    return cell(fitIn(area), keys[static_cast<std::size_t>(place)]);
}

int keyboardPicture::placeAt(const QPointF& point) const {
    const fit f = fitIn(QRectF(rect()));
    return clsKeyboardLayout::keyAt((point.x() - f.origin.x()) / f.unit, (point.y() - f.origin.y()) / f.unit);
}

void keyboardPicture::setFocusPlace(int place) {
    if (place < 0 || static_cast<std::size_t>(place) >= clsKeyboardLayout::keys().size() || place == focus_) return;
    focus_ = place;
    update();
    tellFocus();
}

void keyboardPicture::tellFocus() {
    if (!hasFocus()) return;
    QAccessibleEvent moved(this, QAccessible::Focus);
    moved.setChild(focus_);
    QAccessible::updateAccessibility(&moved);
}

QString keyboardPicture::describe(int place) const {
    const auto& keys = clsKeyboardLayout::keys();
    if (!map_ || place < 0 || static_cast<std::size_t>(place) >= keys.size()) return {};
    return toQString(clsKeyboardMap::describe(keys[static_cast<std::size_t>(place)].title(), map_->at(place)));
}

QString keyboardPicture::toolTipFor(int place) const {
    const auto& keys = clsKeyboardLayout::keys();
    if (!map_ || place < 0 || static_cast<std::size_t>(place) >= keys.size()) return {};
    const clsLayoutKey& k = keys[static_cast<std::size_t>(place)];
    const clsKeyShown& shown = map_->at(place);
    QString tip = QStringLiteral("<b>%1</b> \u2014 %2")
                      .arg(toQString(k.title()).toHtmlEscaped(), toQString(clsKeyboardMap::kindName(shown.state)));
    switch (shown.state) {
        case clsKeyState::publicChat:
        case clsKeyState::teamChat: tip += chatColours::html(clsChatPreview(shown.code)); break;
        case clsKeyState::radio:
            tip += QStringLiteral(": %1<br><tt>%2</tt>")
                       .arg(toQString(shown.description).toHtmlEscaped(), toQString(shown.code).toHtmlEscaped());
            break;
        case clsKeyState::other:
            tip += QStringLiteral("<br><tt>%1</tt>").arg(toQString(shown.code).toHtmlEscaped());
            break;
        default: break;
    }
    if (k.name == "`")
        tip += QStringLiteral("<br>") + tr("The game opens its console with this key and never runs a bind of it.");
    return tip;
}

QSize keyboardPicture::savedSize() {
    const double unit = savedWidth / unitsWide();
    return QSize(savedWidth, static_cast<int>(std::ceil(unitsHigh() * unit)));
}

QImage keyboardPicture::savedImage(const QString& counts) const {
    QImage image(savedSize(), QImage::Format_RGB32);
    image.fill(colours_.form);
    QPainter p(&image);
    p.setFont(font());
    paintPicture(p, QRectF(QPointF(0, 0), QSizeF(savedSize())), false, counts);
    return image;
}

void keyboardPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintPicture(p, QRectF(rect()), hasFocus(), {});
}

void keyboardPicture::paintPicture(QPainter& p, const QRectF& area, bool withFocus, const QString& counts) const {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const fit f = fitIn(area);
    const double u = f.unit;
    const auto& keys = clsKeyboardLayout::keys();
    const look freeLook = lookOf(colours_, clsKeyState::free);

    // The mouse's body, under its buttons.
    const clsKeyboardLayout::area body = clsKeyboardLayout::mouseBody();
    const QRectF mouse = cell(f, body.left, body.top, body.width, body.height).adjusted(-0.1 * u, -0.1 * u, 0.1 * u, 0);
    p.setPen(QPen(freeLook.edge, 1));
    p.setBrush(stylePainter::mixed(colours_.face, colours_.form, 0.5));
    p.drawRoundedRect(mouse, 1.2 * u, 1.6 * u);

    for (std::size_t i = 0; i < keys.size(); ++i) {
        const clsLayoutKey& k = keys[i];
        const clsKeyState state = map_ ? map_->at(static_cast<int>(i)).state : clsKeyState::unlisted;
        const look l = lookOf(colours_, state);
        const QRectF face = cell(f, k).adjusted(0.05 * u, 0.05 * u, -0.05 * u, -0.05 * u);
        QPen edge(l.edge, 1);
        if (l.dashed) edge.setStyle(Qt::DashLine);
        p.setPen(edge);
        p.setBrush(l.fill);
        p.drawRoundedRect(face, 0.12 * u, 0.12 * u);

        // The cap's caption at the top left (centred on a small key), as
        // large as fits; under it, on a bound key, the bind in a few words.
        const QRectF inside = face.adjusted(0.07 * u, 0.04 * u, -0.07 * u, -0.04 * u);
        const bool roomy = face.height() >= 0.8 * u && face.width() >= 0.8 * u;
        const QString label = toQString(k.label);
        const QFont cap = fittingFont(font(), (roomy ? 0.26 : 0.22) * u, 0.18 * u, label, inside.width());
        p.setFont(cap);
        p.setPen(l.text);
        const QString caption = QFontMetricsF(cap).elidedText(label, Qt::ElideRight, inside.width());
        const std::string words = map_ && roomy ? clsKeyboardMap::shortLabel(map_->at(static_cast<int>(i))) : "";
        p.drawText(inside, (roomy ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignCenter) | Qt::TextSingleLine, caption);
        if (words.empty()) continue;
        const double captionHeight = QFontMetricsF(cap).height();
        const QRectF lower(inside.left(), inside.top() + captionHeight, inside.width(),
                           inside.height() - captionHeight);
        // Smaller, down to a point, when its first word would not fit.
        const QString shortText = toQString(words.substr(0, 300)).simplified();
        const QFont bindFont =
            fittingFont(font(), 0.2 * u, 0.18 * u, shortText.section(QLatin1Char(' '), 0, 0), lower.width());
        const QFontMetricsF bindMetrics(bindFont);
        const int lines = std::clamp(static_cast<int>(lower.height() / bindMetrics.lineSpacing()), 1, 3);
        const QStringList fitted = fitLines(shortText, bindMetrics, lower.width(), lines);
        p.setFont(bindFont);
        p.drawText(lower, Qt::AlignHCenter | Qt::AlignVCenter, fitted.join(QLatin1Char('\n')));
    }
    if (withFocus && focus_ >= 0 && static_cast<std::size_t>(focus_) < keys.size()) {
        const QRectF ring =
            cell(f, keys[static_cast<std::size_t>(focus_)]).adjusted(0.01 * u, 0.01 * u, -0.01 * u, -0.01 * u);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(textOn(colours_.form), std::max(2.0, 0.06 * u)));
        p.drawRoundedRect(ring, 0.15 * u, 0.15 * u);
    }

    // The legend: a swatch and a name for each kind and for a free key.
    const QFont legendFont = pixelFont(font(), 0.3 * u);
    p.setFont(legendFont);
    const QFontMetricsF metrics(legendFont);
    const double top = f.origin.y() + (clsKeyboardLayout::height() + margin) * u;
    const double swatch = 0.36 * u;
    double x = f.origin.x();
    const QColor legendText = textOn(colours_.form);
    auto entry = [&](const QColor& fill, const QString& name) {
        p.setPen(QPen(freeLook.edge, 1));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(x, top + (legendRow * u / 2 - swatch) / 2, swatch, swatch), 0.06 * u, 0.06 * u);
        x += swatch + 0.15 * u;
        p.setPen(legendText);
        p.drawText(QRectF(x, top, metrics.horizontalAdvance(name) + 1, legendRow * u / 2),
                   Qt::AlignLeft | Qt::AlignVCenter, name);
        x += metrics.horizontalAdvance(name) + 0.6 * u;
    };
    const QString names[] = {tr("Public chat"), tr("Team chat"), tr("Radio"), tr("Other command")};
    for (std::size_t k = 0; k < colours_.kinds.size(); ++k) entry(colours_.kinds[k], names[k]);
    entry(colours_.face, tr("Free"));
    if (!counts.isEmpty()) {
        p.setPen(legendText);
        const double right = f.origin.x() + clsKeyboardLayout::width() * u;
        p.drawText(QRectF(x, top, std::max(0.0, right - x), legendRow * u / 2), Qt::AlignRight | Qt::AlignVCenter,
                   counts);
    }
}

bool keyboardPicture::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int place = placeAt(help->pos());
        if (place < 0) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), toolTipFor(place), this, placeRect(place).toAlignedRect());
        }
        return true;
    }
    return QWidget::event(event);
}

void keyboardPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    pressed_ = placeAt(event->position());
    if (pressed_ >= 0) {
        setFocusPlace(pressed_);
        update();
    }
}

// A click picks when it ends on the key it started on.
void keyboardPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    const int place = placeAt(event->position());
    const bool same = place >= 0 && place == pressed_;
    pressed_ = -1;
    if (same) emit picked(place);
}

void keyboardPicture::mouseMoveEvent(QMouseEvent* event) {
    const int place = placeAt(event->position());
    const bool pickable = pickable_ && map_ && place >= 0 && map_->at(place).state >= clsKeyState::free;
    setCursor(pickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QWidget::mouseMoveEvent(event);
}

void keyboardPicture::keyPressEvent(QKeyEvent* event) {
    using dir = clsKeyboardLayout::direction;
    switch (event->key()) {
        case Qt::Key_Left: setFocusPlace(clsKeyboardLayout::neighbour(focus_, dir::left)); return;
        case Qt::Key_Right: setFocusPlace(clsKeyboardLayout::neighbour(focus_, dir::right)); return;
        case Qt::Key_Up: setFocusPlace(clsKeyboardLayout::neighbour(focus_, dir::up)); return;
        case Qt::Key_Down: setFocusPlace(clsKeyboardLayout::neighbour(focus_, dir::down)); return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if ((event->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) != Qt::NoModifier) break;
            emit picked(focus_);
            return;
        default: break;
    }
    QWidget::keyPressEvent(event);
}

void keyboardPicture::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    tellFocus();
}

void keyboardPicture::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
