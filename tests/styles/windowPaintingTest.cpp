#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "cfgoutput/frmSaveToFile.h"
#include "construction/frmConstruct.h"
#include "construction/frmOSp.h"
#include "construction/frmReview.h"
#include "help/frmHelp.h"
#include "help/helpWindowHolder.h"
#include "shell/frmStart.h"
#include "styles/frmColorStyle.h"
#include "styles/paintProbe.h"
#include "styles/windowTestContext.h"

// Every window, opened in a style, really shows that style's colours: its
// background, the faces of its buttons, the texts of its labels, the
// backgrounds of its boxes, and the backgrounds and captions of its frames,
// option buttons and check boxes. Colours are read from rendered pixels.
namespace {

using paintProbe::bgr;

struct styleCase {
    const char* name;        // the stored style name
    std::uint32_t button, label, box, form;  // 00BBGGRR
};
void PrintTo(const styleCase& c, std::ostream* os) { *os << c.name; }

constexpr std::uint32_t face = 0x8000000F;
const styleCase styles[] = {
    {"Windows", face, 0x000000, 0xFFFFFF, face},
    {"Dracula", 0x0000FF, 0xFFFFFF, 0xC0C0C0, 0x000000},
    {"Greek", 0xFF0000, 0xFF0000, 0xFFC0C0, 0xFFFFFF},
    {"No Such Style", face, 0x000000, 0xFFFFFF, face},  // an edited settings value
};

// A window opened in a style, with whatever must live as long as it.
struct openedWindow {
    std::unique_ptr<windowTestContext> t;
    std::unique_ptr<helpWindowHolder> help;
    std::unique_ptr<QWidget> window;
};

struct windowCase {
    const char* name;
    std::function<openedWindow(const std::string& style)> open;
    std::vector<const char*> buttons, labels, boxes, framesAndOptions, unpainted;
};
void PrintTo(const windowCase& c, std::ostream* os) { *os << c.name; }

template <typename W>
openedWindow dialog(const std::string& style) {
    openedWindow o;
    o.t = std::make_unique<windowTestContext>(windowTestContext::standardDefinitions, style);
    o.window = std::make_unique<W>(o.t->ctx);
    return o;
}

openedWindow construction(const std::string& style) {
    openedWindow o;
    o.t = std::make_unique<windowTestContext>(windowTestContext::standardDefinitions, style);
    o.help = std::make_unique<helpWindowHolder>(o.t->ctx);
    o.window = std::make_unique<frmConstruct>(o.t->ctx, *o.help);
    return o;
}

openedWindow start(const std::string& style) {
    openedWindow o;
    o.t = std::make_unique<windowTestContext>();
    o.t->platform.settings.values["Brenvolt Beta 0.98/ColorSettings/ColorStyle"] = style;
    o.window = std::make_unique<frmStart>(o.t->platform.services);
    // The new-bind layout, where the picture gives way to the controls.
    if (auto* mnuNew = o.window->findChild<QAction*>("mnuNew")) mnuNew->trigger();
    return o;
}

std::vector<const char*> rows(const char* prefix) {
    static std::deque<std::string> names;  // kept alive (and in place) for the pointers
    std::vector<const char*> out;
    for (int k = 0; k < 8; ++k) names.push_back(prefix + std::to_string(k));
    for (std::size_t i = names.size() - 8; i < names.size(); ++i) out.push_back(names[i].c_str());
    return out;
}

std::vector<const char*> joined(std::vector<const char*> a, const std::vector<const char*>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const windowCase windows[] = {
    {"start", start, {"cmdContinue", "cmdCancel"}, {"lblInput"}, {"fileInput"}, {}, {}},
    {"construction",
     construction,
     {"cmdContinue", "cmdClear", "cmdTextAdd", "cmdTextUndo", "cmdTextDone", "cmdTextCancel", "cmdTextOsp"},
     joined({"lblKeys", "lblKind", "lblDesc", "lblText", "lblColors", "lblOutput", "lblSwitch", "lblRadio"},
            rows("lblColor")),
     joined({"cboKeys", "txtKind", "txtDesc", "txtText", "cboColors", "txtOutput", "cboSwitch", "cboRadio"},
            rows("cboColor")),
     {"fraSelect", "fraBindType", "fraTextBind", "fraRadio", "optPublicBind", "optTeamBind", "optRadio",
      "chkAddToFront"},
     {"cmdRadioAdd", "cmdRadioCancel"}},
    {"osp", dialog<frmOSp>, {"cmdOk", "cmdCancel"}, {"lblOsp"}, {"cboOsp"}, {}, {}},
    {"review", dialog<frmReview>, {"cmdOk"}, {}, {"lstReview"}, {}, {}},
    {"save", dialog<frmSaveToFile>, {"cmdSave", "cmdBack"}, {"lblFilename"}, {"txtFilename"}, {}, {}},
    {"colorStyle", dialog<frmColorStyle>, {"cmdOk", "cmdCancel"}, {"lblcolorstyle"}, {"cboColorStyle"}, {}, {}},
    {"help", dialog<frmHelp>, {"cmdOk"}, {}, {"txtHelp"}, {}, {}},
};

class windowPainting : public testing::TestWithParam<std::tuple<windowCase, styleCase>> {};

QWidget* find(QWidget* window, const char* name) {
    QWidget* w = control<QWidget>(window, name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// A control drawn alone (shown or hidden: hidden rows are painted too) over
// a given colour, as it would stand on the window.
QImage drawn(QWidget* control, const QColor& under) {
    control->ensurePolished();
    QWidget* target = control;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) target = area->viewport();
    QImage img(target->size(), QImage::Format_RGB32);
    img.fill(under);
    target->render(&img, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return img;
}

TEST_P(windowPainting, showsTheStylesColours) {
    const auto& [win, style] = GetParam();
    openedWindow o = win.open(style.name);
    QWidget* window = o.window.get();
    window->show();
    const QColor form = bgr(style.form), button = bgr(style.button), label = bgr(style.label), box = bgr(style.box);

    EXPECT_EQ(paintProbe::windowBackground(window), form) << "window background";
    for (const char* name : win.buttons) {
        QWidget* w = find(window, name);
        if (w) {
            EXPECT_EQ(paintProbe::dominant(drawn(w, form)), button) << name << " face";
        }
    }
    for (const char* name : win.labels) {
        auto* l = qobject_cast<QLabel*>(find(window, name));
        ASSERT_NE(l, nullptr) << name;
        if (!l->text().trimmed().isEmpty()) {
            EXPECT_TRUE(paintProbe::shows(drawn(l, form), label)) << name << " text";
        }
    }
    for (const char* name : win.boxes) {
        QWidget* w = find(window, name);
        if (w) {
            EXPECT_EQ(paintProbe::dominant(drawn(w, form)), box) << name << " background";
        }
    }
    for (const char* name : win.framesAndOptions) {
        QWidget* w = find(window, name);
        if (!w) continue;
        const QImage img = drawn(w, QColor(1, 2, 3));
        EXPECT_EQ(paintProbe::dominant(img), form) << name << " background";
        EXPECT_TRUE(paintProbe::shows(img, label)) << name << " caption";
    }
    for (const char* name : win.unpainted) {
        QWidget* w = find(window, name);
        if (!w) continue;
        EXPECT_TRUE(w->styleSheet().isEmpty()) << name;
        if (style.button != face) {
            EXPECT_NE(paintProbe::dominant(drawn(w, form)), button) << name << " keeps its own face";
        }
    }
    window->hide();
}

INSTANTIATE_TEST_SUITE_P(allWindows, windowPainting, testing::Combine(testing::ValuesIn(windows), testing::ValuesIn(styles)),
                         [](const auto& info) {
                             std::string n = std::string(std::get<0>(info.param).name) + "_" +
                                             std::get<1>(info.param).name;
                             std::erase(n, ' ');
                             return n;
                         });

}  // namespace

namespace {

// A dialog opened over a painted window still shows its captions whole: the
// opener's style sheet must not hand the dialog's controls a larger font.
struct captionCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>(clsAppContext&, QWidget*)> open;
};
void PrintTo(const captionCase& c, std::ostream* os) { *os << c.name; }

class dialogCaptions : public testing::TestWithParam<captionCase> {};

TEST_P(dialogCaptions, fitTheirControlsOverAPaintedOpener) {
    windowTestContext t(windowTestContext::standardDefinitions, "Greek");
    QWidget opener;
    opener.setObjectName("opener");
    opener.setStyleSheet("QWidget#opener { background-color: #ffffff; }");
    opener.show();
    std::unique_ptr<QDialog> dlg = GetParam().open(t.ctx, &opener);
    dlg->show();
    for (QLabel* l : dlg->findChildren<QLabel*>())
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width()) << l->objectName().toStdString();
    for (QAbstractButton* b : dlg->findChildren<QAbstractButton*>())
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), b->width() - 8) << b->objectName().toStdString();
}

template <typename W>
std::unique_ptr<QDialog> over(clsAppContext& ctx, QWidget* opener) {
    return std::make_unique<W>(ctx, opener);
}

INSTANTIATE_TEST_SUITE_P(dialogs, dialogCaptions,
                         testing::Values(captionCase{"osp", over<frmOSp>}, captionCase{"review", over<frmReview>},
                                         captionCase{"colorStyle", over<frmColorStyle>},
                                         captionCase{"help", over<frmHelp>}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
