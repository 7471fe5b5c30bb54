// Draws every bitmap of Tolvane's skin and writes them as "<id>.png" into a folder.
//
//   tolvane-skin-painter OUTPUT_FOLDER
//
// The look: a calm dark slate theme with one teal accent for the primary action and progress.
// Icons are vector paths so that they stay crisp. Conventions the controls rely on:
// button shapes are pure white outside the button; slider thumbs take their top-left colour as
// transparent; the header check boxes take magenta as transparent.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTextStream>

#include <cmath>
#include <functional>
#include <iterator>
#include <set>

#include "SkinBitmapIds.h"
#include "SkinColours.h"
#include "SkinGlyphs.h"
#include "SkinLayout.h"
#include "SkinText.h"

namespace {

// ---- Palette ----
const QColor kSlateTop(skin::colour::kSlateTop);
const QColor kSlateBottom(skin::colour::kSlateBottom);
const QColor kTitleBar(skin::colour::kTitleBar);
const QColor kPanel(skin::colour::kPanel);
const QColor kPanelBorder(skin::colour::kPanelBorder);
const QColor kAccent(skin::colour::kAccent);
const QColor kAccentLight(skin::colour::kAccentLight);
const QColor kAccentDark(skin::colour::kAccentDark);
const QColor kWarm(skin::colour::kWarm);
const QColor kText(skin::colour::kText);
const QColor kTextSecondary(skin::colour::kTextSecondary);
const QColor kDisabledFill(skin::colour::kDisabledFill);
const QColor kDisabledBorder(skin::colour::kDisabledBorder);
const QColor kDisabledInk(skin::colour::kDisabledInk);
const QColor kWhite(255, 255, 255);
const QColor kMagenta(255, 0, 255);

QRectF ToRect(const skin::Box& b) {
    return QRectF(b.x, b.y, b.width, b.height);
}

// ---- Buttons ----

enum class Face { Normal, Hover, Pressed, Disabled };

struct ButtonStyle {
    skin::Glyph glyph = skin::Glyph::None;
    bool accent = false;  // the one primary action
    bool warm = false;    // Stop
    bool round = false;   // pill ends
    double radius = 8;
    double iconSize = 20;
};

// The silhouette of a button: a rounded rectangle inset by half a pixel.
QPainterPath Silhouette(const QSizeF& size, const ButtonStyle& style) {
    QPainterPath path;
    const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 1);
    const double radius = style.round ? r.height() / 2 : style.radius;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// Paints one face of a button over `behind` (the window's colour there), then whitens what lies
// outside the silhouette, so that the button's shape is its non-white pixels.
QImage ButtonFace(const QSize& size, const ButtonStyle& style, Face face, const QColor& behind,
                  bool shaped = true) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(behind);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = Silhouette(size, style);

    QColor fill = kPanel;
    QColor border = kPanelBorder;
    QColor ink = kText;
    if (style.accent) {
        fill = kAccent;
        border = kAccentLight;
        ink = QColor(skin::colour::kAccentInk);
    }
    if (style.warm) {
        ink = kWarm;
    }
    switch (face) {
        case Face::Normal:
            break;
        case Face::Hover:
            fill = style.accent ? kAccentLight : fill.lighter(118);
            border = style.accent ? QColor(0x9b, 0xf0, 0xe2) : kAccent;
            break;
        case Face::Pressed:
            fill = style.accent ? kAccentDark : fill.darker(125);
            border = style.accent ? kAccentDark : kAccentDark;
            break;
        case Face::Disabled:
            fill = kDisabledFill;
            border = kDisabledBorder;
            ink = kDisabledInk;
            break;
    }
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, fill.lighter(108));
    gradient.setColorAt(1, fill.darker(106));
    p.setBrush(gradient);
    p.setPen(QPen(border, face == Face::Hover ? 1.6 : 1.0));
    p.drawPath(shape);

    // A button with a label has its sign painted by the window beside the label, in the user's
    // language (skin::LabelSpot): its face is left plain.
    skin::PaintGlyph(p, style.glyph,
                     QRectF((size.width() - style.iconSize) / 2,
                            (size.height() - style.iconSize) / 2, style.iconSize, style.iconSize),
                     ink);
    p.end();

    if (!shaped) {
        return image;  // a rectangular button: its corners show the window's colour
    }
    // Outside the silhouette: pure white. Inside: never pure white.
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(Qt::black);
    QPainter m(&mask);
    m.setRenderHint(QPainter::Antialiasing, false);
    m.setPen(Qt::NoPen);
    m.setBrush(Qt::white);
    m.drawPath(shape);
    m.end();
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* inside = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            if (qRed(inside[x]) == 0) {
                row[x] = qRgb(255, 255, 255);
            } else if (row[x] == qRgb(255, 255, 255)) {
                row[x] = qRgb(254, 254, 254);
            }
        }
    }
    return image;
}

// ---- Backgrounds ----

void FillSlate(QPainter& p, const QRectF& area) {
    QLinearGradient gradient(0, area.top(), 0, area.bottom());
    gradient.setColorAt(0, kSlateTop);
    gradient.setColorAt(1, kSlateBottom);
    p.fillRect(area, gradient);
}

void DrawPanel(QPainter& p, const QRectF& area, const QColor& fill = kPanel) {
    p.setPen(QPen(kPanelBorder, 1));
    p.setBrush(fill);
    p.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

void DrawAppMark(QPainter& p, const QRectF& box) {
    QLinearGradient gradient(box.topLeft(), box.bottomRight());
    gradient.setColorAt(0, kAccentLight);
    gradient.setColorAt(1, kAccentDark);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    const double r = box.width() * 0.22;
    p.drawRoundedRect(box, r, r);
    // A sound wave leaving a frame.
    const double s = box.width() / 24.0;
    p.save();
    p.translate(box.topLeft());
    p.scale(s, s);
    QPen pen(QColor(0x0f, 0x2a, 0x26), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4, 6, 9, 12), 1.5, 1.5);
    p.drawLine(QPointF(15, 10), QPointF(15, 14));
    p.drawLine(QPointF(18, 8), QPointF(18, 16));
    p.drawLine(QPointF(21, 10), QPointF(21, 14));
    p.restore();
}

QImage MainBackground() {
    QImage image(skin::kMainWindow.width, skin::kMainWindow.height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    FillSlate(p, image.rect());

    // Title bar.
    p.fillRect(QRectF(0, 0, image.width(), skin::kTitleBarHeight), kTitleBar);
    p.fillRect(QRectF(0, skin::kTitleBarHeight - 1, image.width(), 1), kPanelBorder);
    DrawAppMark(p, QRectF(14, 9, 22, 22));
    p.setPen(kText);
    p.setFont(skin::Font(17, true));
    p.drawText(QRectF(46, 0, 200, skin::kTitleBarHeight), Qt::AlignVCenter | Qt::AlignLeft,
               "Tolvane");

    // Getting-started panel where the task list will stand.
    const QRectF list = ToRect(skin::kTaskList);
    DrawPanel(p, list);
    // The panel's texts are the window's to paint, in the user's language.
    for (int i = 0; i < 4; ++i) {
        const double top = skin::kStepTop + i * skin::kStepPitch;
        const QRectF circle(skin::kStepCircle.x, top, skin::kStepCircle.width,
                            skin::kStepCircle.height);
        p.setPen(Qt::NoPen);
        p.setBrush(i == 3 ? kAccent : kPanelBorder);
        p.drawEllipse(circle);
        p.setPen(i == 3 ? QColor(0x0f, 0x2a, 0x26) : kText);
        p.setFont(skin::Font(15, true));
        p.drawText(circle, Qt::AlignCenter, QString::number(i + 1));
    }

    // Preview frame and the player's strip.
    const QRectF preview = ToRect(skin::kPreviewFrame);
    // The panel holds the position bar too, which is wider than the picture.
    const QRectF bar = ToRect(skin::kPositionSlider).adjusted(-1, 0, 1, 0);
    DrawPanel(p, preview.adjusted(-6, -6, 6, 6 + 64).united(bar), QColor(0x26, 0x2f, 0x3b));
    p.fillRect(preview, QColor(skin::colour::kPreviewBackground));
    p.setPen(QPen(kPanelBorder, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(preview.adjusted(-0.5, -0.5, 0.5, 0.5));

    p.setPen(QPen(kPanelBorder, 1));
    p.drawLine(QPointF(16, 482.5), QPointF(664, 482.5));
    return image;
}

QImage ClipBackground() {
    QImage image(skin::kClipWindow.width, skin::kClipWindow.height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    FillSlate(p, image.rect());
    const QRectF preview = ToRect(skin::kClipPreview);
    p.fillRect(preview, QColor(skin::colour::kPreviewBackground));
    for (const skin::Box& group :
         {skin::kClipStartGroup, skin::kClipEndGroup, skin::kClipCutGroup}) {
        DrawPanel(p, ToRect(group), kPanel);
    }
    return image;
}

QImage AboutBanner() {
    QImage image(skin::kAboutBanner.width, skin::kAboutBanner.height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, image.width(), image.height());
    gradient.setColorAt(0, kTitleBar);
    gradient.setColorAt(1, kSlateBottom);
    p.fillRect(image.rect(), gradient);
    // A faint waveform across the banner.
    p.setPen(QPen(QColor(0x25, 0xb3, 0x9e, 70), 2));
    QPainterPath wave;
    for (int x = 0; x <= image.width(); x += 2) {
        const double y = 62 + 10 * std::sin(x / 11.0) * std::sin(x / 67.0);
        x == 0 ? wave.moveTo(x, y) : wave.lineTo(x, y);
    }
    p.drawPath(wave);
    DrawAppMark(p, QRectF(20, 17, 52, 52));
    p.setPen(kText);
    p.setFont(skin::Font(30, true));
    p.drawText(QRectF(88, 12, 300, 40), Qt::AlignLeft | Qt::AlignVCenter, "Tolvane");
    return image;
}

// ---- Sliders ----

// Channel B (normal) and A (its dimmed twin) of a slider, `width` × `height`.
QImage Channel(int width, int height, bool dimmed, bool volumeRamp, const QColor& behind) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(behind);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double mid = height / 2.0 + 1;
    if (volumeRamp) {
        QPainterPath ramp;
        ramp.moveTo(3, mid + 3);
        ramp.lineTo(width - 3, mid + 3);
        ramp.lineTo(width - 3, mid - 4);
        ramp.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(dimmed ? kPanelBorder.darker(130) : kAccentDark);
        p.drawPath(ramp);
    } else {
        const QRectF groove(3, mid - 2.5, width - 6, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(dimmed ? QColor(0x22, 0x29, 0x33) : kPanelBorder);
        p.drawRoundedRect(groove, 2.5, 2.5);
        if (!dimmed) {
            p.setBrush(QColor(0x25, 0xb3, 0x9e, 120));
            p.drawRoundedRect(groove.adjusted(0, 1.5, 0, -1.5), 1, 1);
        }
    }
    return image;
}

// A thumb: the top-left colour (key) is transparent; the shape is drawn over the channel colour
// so that its edge blends, and the key put back outside the shape.
QImage Thumb(bool dragging) {
    const QSize size(23, 11);
    const QColor key(0x01, 0xfe, 0x01);
    QImage image(size, QImage::Format_RGB32);
    image.fill(kPanelBorder);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, 22, 10), 5, 5);
    p.setPen(QPen(dragging ? kAccentLight : kAccent, 1.2));
    p.setBrush(dragging ? kAccent : kText);
    p.drawPath(shape);
    p.setPen(QPen(dragging ? kText : kAccentDark, 1.2));
    p.drawLine(QPointF(9.5, 3), QPointF(9.5, 8));
    p.drawLine(QPointF(13.5, 3), QPointF(13.5, 8));
    p.end();
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(Qt::black);
    QPainter m(&mask);
    m.setPen(Qt::NoPen);
    m.setBrush(Qt::white);
    m.drawPath(shape);
    m.end();
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (qRed(mask.pixel(x, y)) == 0) {
                image.setPixel(x, y, key.rgb());
            }
        }
    }
    return image;
}

// ---- Header check boxes: three 16 × 16 images, magenta transparent, 8 bits per pixel ----
QImage HeaderBoxes() {
    QImage image(48, 16, QImage::Format_RGB32);
    image.fill(kMagenta);
    QPainter p(&image);
    for (int i = 1; i <= 2; ++i) {
        const QRect box(i * 16 + 2, 2, 12, 12);
        p.setPen(QColor(0x5a, 0x66, 0x74));
        p.setBrush(i == 2 ? kAccent : QColor(250, 252, 250));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        if (i == 2) {
            p.setPen(QPen(Qt::white, 2));
            p.drawLine(QPoint(i * 16 + 4, 8), QPoint(i * 16 + 7, 11));
            p.drawLine(QPoint(i * 16 + 7, 11), QPoint(i * 16 + 12, 4));
        }
    }
    p.end();
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage AppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawAppMark(p, QRectF(size * 0.04, size * 0.04, size * 0.92, size * 0.92));
    return image;
}

// A pointing hand, 32 × 32, hot spot at (9, 1).
QImage HandCursor() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.moveTo(7.5, 3);
    hand.cubicTo(7.5, 0.5, 11.5, 0.5, 11.5, 3);
    hand.lineTo(11.5, 12);
    hand.cubicTo(11.5, 10, 15, 10, 15, 12.5);
    hand.cubicTo(15, 10.5, 18.5, 10.5, 18.5, 13);
    hand.cubicTo(18.5, 11.5, 22, 11.5, 22, 14);
    hand.lineTo(22, 21);
    hand.cubicTo(22, 25, 20, 28, 16.5, 28);
    hand.lineTo(12, 28);
    hand.cubicTo(9.5, 28, 8.5, 26.5, 7, 24.5);
    hand.lineTo(2.5, 18);
    hand.cubicTo(1, 16, 3.5, 13.5, 5.5, 15.5);
    hand.lineTo(7.5, 17.5);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.4));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    return image;
}

QColor BehindAt(const QImage& background, const skin::Box& box) {
    return background.pixelColor(box.x + box.width / 2, box.y + 2);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // --icons FOLDER: the program's icon for the desktop, FOLDER/<n>x<n>/apps/tolvane.png.
    if (argc == 3 && QString::fromLatin1(argv[1]) == QLatin1String("--icons")) {
        const QDir icons(QString::fromLocal8Bit(argv[2]));
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
            const QString folder = QStringLiteral("%1x%1/apps").arg(size);
            if (!icons.mkpath(folder) ||
                !AppIcon(size).save(icons.filePath(folder + "/tolvane.png"), "PNG")) {
                QTextStream(stderr) << "cannot write the " << size << " px icon\n";
                return 1;
            }
        }
        return 0;
    }
    if (argc != 2) {
        QTextStream(stderr) << "usage: tolvane-skin-painter OUTPUT_FOLDER\n"
                               "       tolvane-skin-painter --icons FOLDER\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) {
        QTextStream(stderr) << "cannot create " << out.path() << "\n";
        return 1;
    }
    int failures = 0;
    std::set<int> saved;
    const auto save = [&](int id, const QImage& image) {
        saved.insert(id);
        if (!image.save(out.filePath(QString::number(id) + ".png"), "PNG")) {
            QTextStream(stderr) << "cannot write " << id << ".png\n";
            ++failures;
        }
    };

    const QImage main = MainBackground();
    const QImage clip = ClipBackground();
    save(290, main);
    save(311, clip);
    save(249, AboutBanner());

    // Buttons: size, style, and the ids of their faces. Every face of a button shares its
    // silhouette, so that any of them can serve as the shape.
    struct ButtonFaces {
        skin::Box box;
        ButtonStyle style;
        skin::Faces faces;
        const QImage* background;
        bool shaped = true;
    };
    // Buttons with labels: the window paints label and sign.
    const ButtonStyle plain{skin::Glyph::None, false, false, false, 10, 0};
    ButtonStyle small = plain;
    small.radius = 8;
    ButtonStyle pill = small;
    pill.round = true;
    ButtonStyle convert = plain;
    convert.accent = true;
    convert.radius = 14;
    const ButtonStyle& add = plain;
    const ButtonStyle& clipStyle = plain;
    const ButtonStyle& help = plain;
    const ButtonStyle& remove = small;
    const ButtonStyle& clear = small;
    const ButtonStyle& merge = small;
    const ButtonStyle& info = small;
    const ButtonStyle& setting = pill;
    const ButtonStyle& browse = pill;
    const ButtonStyle& find = pill;
    ButtonStyle minimize{skin::Glyph::Minimize, false, false, false, 5, 14};
    ButtonStyle close{skin::Glyph::Close, false, false, false, 5, 14};
    ButtonStyle about{skin::Glyph::Question, false, false, false, 5, 13};
    ButtonStyle volume{skin::Glyph::Speaker, false, false, true, 8, 16};

    const ButtonFaces buttons[] = {
        {skin::kAddButton, add, skin::kAddFaces, &main},
        {skin::kClipButton, clipStyle, skin::kClipFaces, &main},
        {skin::kHelpButton, help, skin::kHelpFaces, &main},
        {skin::kConvertButton, convert, skin::kConvertFaces, &main},
        {skin::kRemoveButton, remove, skin::kRemoveFaces, &main},
        {skin::kClearAllButton, clear, skin::kClearAllFaces, &main},
        {skin::kMergeButton, merge, skin::kMergeFaces, &main, false},
        {skin::kFileInfoButton, info, skin::kFileInfoFaces, &main},
        {skin::kSettingButton, setting, skin::kSettingFaces, &main},
        {skin::kBrowseButton, browse, skin::kBrowseFaces, &main},
        {skin::kFindTargetButton, find, skin::kFindTargetFaces, &main},
        {skin::kMinimizeButton, minimize, skin::kMinimizeFaces, &main},
        {skin::kCloseButton, close, skin::kCloseFaces, &main},
        {skin::kAboutButton, about, skin::kAboutFaces, &main},
        {skin::kVolumeSymbol, volume, skin::kVolumeFaces, &main},
    };
    for (const ButtonFaces& b : buttons) {
        const QSize size(b.box.width, b.box.height);
        const QColor behind = BehindAt(*b.background, b.box);
        save(b.faces.normal, ButtonFace(size, b.style, Face::Normal, behind, b.shaped));
        if (b.faces.hover != b.faces.normal) {
            save(b.faces.hover, ButtonFace(size, b.style, Face::Hover, behind, b.shaped));
        }
        if (b.faces.disabled != 0) {
            save(b.faces.disabled, ButtonFace(size, b.style, Face::Disabled, behind, b.shaped));
        }
    }
    // Transport: Play (ready 302, playing 310, greyed 301) and Stop (304, greyed 303).
    ButtonStyle play{skin::Glyph::Play, false, false, true, 8, 18};
    ButtonStyle pause{skin::Glyph::Pause, false, false, true, 8, 18};
    ButtonStyle stop{skin::Glyph::Stop, false, true, true, 8, 18};
    const QColor transport = BehindAt(main, skin::kPlayButton);
    const QSize playSize(skin::kPlayButton.width, skin::kPlayButton.height);
    const QSize stopSize(skin::kStopButton.width, skin::kStopButton.height);
    save(skin::kPlayFaces.normal, ButtonFace(playSize, play, Face::Normal, transport));
    save(skin::kPlayPlayingFace, ButtonFace(playSize, pause, Face::Normal, transport));
    save(skin::kPlayFaces.disabled, ButtonFace(playSize, play, Face::Disabled, transport));
    save(skin::kStopFaces.normal, ButtonFace(stopSize, stop, Face::Normal, transport));
    save(skin::kStopFaces.disabled, ButtonFace(stopSize, stop, Face::Disabled, transport));

    // Sliders.
    const QColor track = BehindAt(main, skin::kPositionSlider);
    save(307, Channel(315, 17, false, false, track));
    save(306, Channel(315, 17, true, false, track));
    save(299, Channel(73, 17, false, true, track));
    save(300, Channel(73, 17, true, true, track));
    const QColor clipTrack = BehindAt(clip, skin::kClipSlider);
    save(319, Channel(419, 18, false, false, clipTrack));
    save(314, Channel(419, 18, true, false, clipTrack));
    save(308, Thumb(false));
    save(309, Thumb(true));

    save(292, HeaderBoxes());
    save(266, AppIcon(256));
    save(262, HandCursor());
    // What was drawn is exactly the skin's list of ids.
    const std::set<int> listed(std::begin(skin::kBitmapIds), std::end(skin::kBitmapIds));
    if (saved != listed) {
        QTextStream(stderr) << "the bitmaps drawn differ from TOLVANE_SKIN_IDS\n";
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
