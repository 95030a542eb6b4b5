// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "ui/construction/frmKeyboardView.h"
#include "ui_frmKeyboardView.h"

#include "platform/qtText.h"

#include <QAbstractListModel>
#include <QDir>
#include <QFileInfo>
#include <QHideEvent>
#include <QSaveFile>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "model/binds/clsScheme.h"
#include "model/keys/clsKindColours.h"
#include "model/text/clsText.h"
#include "ui/styles/stylePainter.h"
#include "ui/widgets/designFont.h"
#include "ui/widgets/qtListControl.h"

// The definition file's keys that have no place on the picture, each with
// its bind in words. Rows are worded only when the list shows them: a file
// may list tens of thousands of such keys.
class offPictureList : public QAbstractListModel {
public:
    offPictureList(clsAppContext& ctx, const clsKeyboardMap& map, QObject* parent)
        : QAbstractListModel(parent), ctx_(ctx), map_(map) {}
    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : rows_; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rows_ || role != Qt::DisplayRole) return {};
        const std::string& key = map_.offPicture()[static_cast<std::size_t>(index.row())];
        return toQString(clsKeyboardMap::describe(key, map_.shownOf(ctx_.builder, key)));
    }
    // The list after the map changed: new rows, or the same rows worded anew.
    void refresh() {
        const int rows = static_cast<int>(map_.offPicture().size());
        if (rows != rows_) {
            beginResetModel();
            rows_ = rows;
            endResetModel();
        } else if (rows > 0) {
            emit dataChanged(index(0), index(rows - 1), {Qt::DisplayRole});
        }
    }

private:
    clsAppContext& ctx_;
    const clsKeyboardMap& map_;
    int rows_ = 0;
};

namespace {}  // namespace

frmKeyboardView::frmKeyboardView(clsAppContext& ctx, picker pick, QWidget* parent)
    : QDialog(parent), ctx_(ctx), pick_(std::move(pick)), ui(std::make_unique<Ui::frmKeyboardView>()) {
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    useDesignFont(this);

    offPicture_ = new offPictureList(ctx_, map_, ui->lstOffPicture);
    ui->lstOffPicture->setModel(offPicture_);
    ui->picKeyboard->setMap(&map_);
    connect(ui->picKeyboard, &keyboardPicture::picked, this, &frmKeyboardView::pickPlace);
    connect(ui->lstOffPicture, &QListView::activated, this, [this](const QModelIndex& index) {
        const std::string& key = map_.offPicture()[static_cast<std::size_t>(index.row())];
        pickKey(key, key);
    });
    connect(ui->cmdSavePicture, &QPushButton::clicked, this, &frmKeyboardView::cmdSavePicture_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::close);
    listener_ = ctx_.builder.add_listener([this] { bindsChanged(); });

    applyColorStyle();
    bindsChanged();
    showState();
    placeWindow();
    ui->picKeyboard->setFocus();
}

frmKeyboardView::~frmKeyboardView() {
    ctx_.builder.remove_listener(listener_);
    if (isVisible()) rememberPlace();
}

void frmKeyboardView::bindsChanged() {
    map_.update(ctx_.builder);
    ui->picKeyboard->update();
    offPicture_->refresh();
    const bool off = !map_.offPicture().empty();
    ui->lblOffPicture->setVisible(off);
    ui->lstOffPicture->setVisible(off);
    if (off)
        ui->lblOffPicture->setText(tr("Keys of the definition file not on the picture (%1):")
                                       .arg(toQString(clsText::number(map_.offPicture().size()))));
    ui->lblCounts->setText(toQString(map_.counts()));
}

void frmKeyboardView::setBuilding(const std::string& key) {
    building_ = key;
    showState();
}

void frmKeyboardView::showState() {
    ui->picKeyboard->setPickable(building_.empty());
    if (building_.empty())
        showStatus(tr("Click a key, or move to it with the arrow keys and press Enter, to pick it in the key list."));
    else
        showStatus(tr("Read-only while the bind of %1 is built: Done or Cancel on the construction screen ends it.")
                       .arg(toQString(building_)));
}

void frmKeyboardView::showStatus(const QString& status) {
    ui->lblStatus->setText(status);
    ui->lblStatus->setToolTip(ui->lblStatus->text());
}

void frmKeyboardView::pickPlace(int place) {
    const clsLayoutKey& k = clsKeyboardLayout::keys()[static_cast<std::size_t>(place)];
    const clsKeyShown& shown = map_.at(place);
    if (shown.state == clsKeyState::nameless) {
        showStatus(tr("The game has no name for the %1, so it cannot be bound.").arg(toQString(k.spoken)));
        return;
    }
    if (shown.state == clsKeyState::unlisted) {
        showStatus(tr("%1 is not in the key list of this definition file: add the line key:%1 to the file to bind it.")
                       .arg(toQString(k.name)));
        return;
    }
    pickKey(shown.key, k.title());
}

void frmKeyboardView::pickKey(const std::string& key, const std::string& title) {
    if (!building_.empty()) {
        showState();
        return;
    }
    if (pick_) pick_(key);
    showStatus(
        tr("%1 is picked in the key list: choose its bind type on the construction screen.").arg(toQString(title)));
}

void frmKeyboardView::applyColorStyle() {
    stylePainter paint(ctx_.colorStyles, ctx_.currentColorStyle);
    paint.form(this);
    paint.labels({ui->lblOffPicture, ui->lblStatus, ui->lblCounts});
    paint.boxes({ui->lstOffPicture});
    paint.buttons({ui->cmdSavePicture, ui->cmdClose});
    keyboardPicture::palette colours;
    colours.form = stylePainter::toQColor(ctx_.colorStyles.getFormColor(ctx_.currentColorStyle));
    colours.face = stylePainter::toQColor(ctx_.colorStyles.getTextBoxBackGroundColor(ctx_.currentColorStyle));
    const auto kinds = clsKindColours::onFace(stylePainter::toBgr(colours.face));
    for (std::size_t k = 0; k < kinds.size(); ++k) colours.kinds[k] = stylePainter::fromBgr(kinds[k]);
    ui->picKeyboard->setPalette(colours);
}

// Players post their binds: the picture goes wherever they like, offered
// beside the cfg files under the name of the cfg file opened last.
void frmKeyboardView::cmdSavePicture_Click() {
    std::string name = "binds";
    if (const QString opened = QFileInfo(toQString(ctx_.openedCfg)).completeBaseName(); !opened.isEmpty())
        name = opened.toStdString();
    const std::string offered = ctx_.outputFolder() + "/" + name + ".png";
    const std::string path = ctx_.platform.fileDialog.saveFile(tr("Save Picture").toStdString(), offered,
                                                               tr("PNG pictures (*.png)").toStdString());
    if (path.empty()) return;
    const QImage picture = ui->picKeyboard->savedImage(toQString(map_.counts()));
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    const bool saved = file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") && file.commit();
    const std::string shown = ctx_.platform.folder.nativePath(path);
    if (!saved) {
        const QString reason =
            file.errorString().isEmpty() ? tr("the picture could not be written") : file.errorString();
        ctx_.platform.messages.show(
            tr("Cannot Save Picture").toStdString(),
            tr("The picture cannot be saved as %1: %2.").arg(toQString(shown), reason).toStdString() + "\r\n" +
                tr("Nothing was written.").toStdString(),
            msgIcon::Exclamation, msgButtons::Ok);
        return;
    }
    showStatus(tr("The picture is saved as %1.").arg(toQString(shown)));
}

QRect frmKeyboardView::besideRect(const QRect& owner, const QRect& screen, const QSize& wanted, const QSize& least) {
    constexpr int gap = 8;
    enum side { right, left, above, below };
    const std::pair<side, QRect> sides[] = {
        {right, QRect(QPoint(owner.right() + 1 + gap, screen.top()), screen.bottomRight())},
        {left, QRect(screen.topLeft(), QPoint(owner.left() - 1 - gap, screen.bottom()))},
        {above, QRect(screen.topLeft(), QPoint(screen.right(), owner.top() - 1 - gap))},
        {below, QRect(QPoint(screen.left(), owner.bottom() + 1 + gap), screen.bottomRight())}};
    QRect best;
    double bestScale = 0;
    for (const auto& [where, room] : sides) {
        if (room.width() < least.width() || room.height() < least.height()) continue;
        const QSize fitted = wanted.boundedTo(room.size());
        // The picture scales with the window's narrower fit.
        const double scale =
            std::min(double(fitted.width()) / wanted.width(), double(fitted.height()) / wanted.height());
        if (scale <= bestScale) continue;
        const bool across = where == right || where == left;
        const int x = where == right  ? room.left()
                      : where == left ? room.right() + 1 - fitted.width()
                                      : std::clamp(owner.left(), room.left(), room.right() + 1 - fitted.width());
        const int y = across           ? std::clamp(owner.top(), room.top(), room.bottom() + 1 - fitted.height())
                      : where == below ? room.top()
                                       : room.bottom() + 1 - fitted.height();
        best = QRect(QPoint(x, y), fitted);
        bestScale = scale;
    }
    return best;
}

// Where the player left it; else beside the construction screen, without
// covering it where the screen has room.
void frmKeyboardView::placeWindow() {
    const std::string saved = ctx_.platform.settings.read(clsCfgBuilder::settingsApp, settingsSection, settingsKey, "");
    if (!saved.empty() && restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(saved)))) return;
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner) return;
    const QRect beside = owner->frameGeometry();
    const QSize titleBar(8, 40);  // and borders, as window managers draw them
    if (!owner->screen()) return move(beside.right() + 9, beside.top());
    const QRect screen = owner->screen()->availableGeometry();
    const QSize wanted = size() + titleBar;
    const QRect frame = besideRect(beside, screen, wanted, minimumSizeHint().expandedTo(minimumSize()) + titleBar);
    if (frame.isEmpty()) {
        const int rightmost = std::max(screen.left(), screen.right() + 1 - wanted.width());
        return move(std::clamp(beside.right() + 9, screen.left(), rightmost), beside.top());
    }
    resize(frame.size() - titleBar);
    move(frame.topLeft());
}

void frmKeyboardView::rememberPlace() {
    ctx_.platform.settings.write(clsCfgBuilder::settingsApp, settingsSection, settingsKey,
                                 saveGeometry().toBase64().toStdString());
}

void frmKeyboardView::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) rememberPlace();
    QDialog::hideEvent(event);
}
