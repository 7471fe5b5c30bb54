// The skinned controls, as real widgets on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>
#include <vector>

#include "CBitmapSlider.h"
#include "CCheckListCtrl.h"
#include "CControlButton.h"
#include "CHyperLink.h"
#include "CLabel.h"
#include "MessagePresenter.h"
#include "PictureFrame.h"
#include "SkinColours.h"
#include "SkinIds.h"
#include "WidgetFakes.h"

namespace {

// A parent that records the sliders' notifications.
class SliderParent final : public QWidget {
public:
    struct Note {
        QEvent::Type type;
        int id;
        int position;
    };
    std::vector<Note> notes;

    std::vector<Note> Take() {
        QCoreApplication::sendPostedEvents(this);
        std::vector<Note> taken;
        taken.swap(notes);
        return taken;
    }

protected:
    bool event(QEvent* e) override {
        if (e->type() == SliderEvent::kTracking || e->type() == SliderEvent::kChanged) {
            const auto* s = static_cast<SliderEvent*>(e);
            notes.push_back({e->type(), s->ControlId(), s->Position()});
            return true;
        }
        return QWidget::event(e);
    }
};

// The main window's position slider: channel 315 wide, thumb 23, margins 2, range 0 to 10000.
struct PositionSlider {
    SliderParent parent;
    CBitmapSlider* slider = new CBitmapSlider(&parent, 1140);
    PositionSlider() {
        EXPECT_TRUE(slider->SetChannelBitmaps(306, 307));
        EXPECT_TRUE(slider->SetThumbBitmaps());
        slider->SetDrawFocusRect(false);
        slider->SetRange(0, 10000);
        slider->SetPos(0);
        slider->SetMargins(2, 3, 2, 0);
        parent.resize(400, 40);
        parent.show();
    }
    void Press(int x) { QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(x, 8)); }
    void Move(int x) { QTest::mouseMove(slider, QPoint(x, 8)); }
    void Release(int x) { QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(x, 8)); }
};

// The preview keeps a picture's shape: a wide picture gets bars above and below in the
// preview's background, not a stretch.
TEST(PictureFrame, KeepsThePicturesShapeWithBars) {
    PictureFrame frame;
    frame.resize(200, 200);
    const int width = 200;
    const int height = 100;  // twice as wide as high
    std::vector<unsigned char> red(static_cast<std::size_t>(width * height * 3));
    for (std::size_t i = 0; i < red.size(); i += 3) {
        red[i + 2] = 255;  // blue, green, red
    }
    frame.SetPicture(red.data(), width, height);
    const QImage shown = frame.grab().toImage();
    EXPECT_EQ(shown.pixel(100, 100), qRgb(255, 0, 0)) << "the picture in the middle";
    EXPECT_EQ(shown.pixel(100, 10), skin::colour::kPreviewBackground) << "a bar above";
    EXPECT_EQ(shown.pixel(100, 190), skin::colour::kPreviewBackground) << "a bar below";
    EXPECT_EQ(shown.pixel(5, 100), qRgb(255, 0, 0)) << "full width";
}

TEST(BitmapSlider, PositionPixelArithmeticMatchesTheExample) {
    PositionSlider s;
    EXPECT_EQ(s.slider->size(), QSize(315, 17));
    EXPECT_EQ(s.slider->PositionToPixel(0), 13);
    EXPECT_EQ(s.slider->PositionToPixel(10000), 301);
    EXPECT_EQ(s.slider->PositionToPixel(5000), 157);
    EXPECT_EQ(s.slider->PixelToPosition(157), 5000);
    EXPECT_EQ(s.slider->PixelToPosition(13), 0);
}

TEST(BitmapSlider, ClickOffTheThumbJumpsAndOnTheThumbKeepsTheGrabPoint) {
    PositionSlider s;
    s.Press(157);  // away from the thumb at 13
    EXPECT_EQ(s.slider->GetPos(), 5000);
    EXPECT_TRUE(s.slider->Dragging());
    auto notes = s.parent.Take();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].type, SliderEvent::kTracking);
    EXPECT_EQ(notes[0].id, 1140);
    EXPECT_EQ(notes[0].position, 5000);
    s.Release(157);
    notes = s.parent.Take();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].type, SliderEvent::kChanged);

    // On the thumb, 5 pixels right of its centre: nothing moves until the pointer does.
    s.Press(162);
    EXPECT_EQ(s.slider->GetPos(), 5000);
    EXPECT_TRUE(s.parent.Take().empty());
    s.Move(172);  // the centre follows to 167 (give or take the truncations)
    EXPECT_NEAR(s.slider->PositionToPixel(s.slider->GetPos()), 167, 1);
    s.Release(172);
}

TEST(BitmapSlider, RightEdgeLiesOnePixelBeyondTheMaximum) {
    PositionSlider s;
    s.Press(310);  // clamped to 302, one past the pixel of the maximum (301)
    EXPECT_EQ(s.slider->GetPos(), 10000);
    EXPECT_EQ(s.parent.Take().size(), 1u);
    s.Move(312);
    s.Move(314);
    auto notes = s.parent.Take();
    ASSERT_EQ(notes.size(), 2u) << "each move at that edge posts again";
    EXPECT_EQ(notes[1].position, 10000);
    // At the left edge the pixel of the minimum is the limit: nothing more is posted.
    s.Move(0);
    EXPECT_EQ(s.slider->GetPos(), 0);
    s.parent.Take();
    s.Move(-5);
    s.Move(2);
    EXPECT_TRUE(s.parent.Take().empty());
    s.Release(2);
}

TEST(BitmapSlider, SubPixelMovesPostNothingAndMovesWithoutAPressAreIgnored) {
    PositionSlider s;
    s.Move(200);
    EXPECT_EQ(s.slider->GetPos(), 0);
    EXPECT_TRUE(s.parent.Take().empty());
    s.slider->SetRange(0, 10);
    s.slider->SetPos(5);
    s.Press(s.slider->PositionToPixel(5));
    s.parent.Take();
    s.Move(s.slider->PositionToPixel(5));
    EXPECT_TRUE(s.parent.Take().empty());
    s.Release(0);
}

TEST(BitmapSlider, ReleaseWithoutPressPostsChanged) {
    PositionSlider s;
    s.Release(50);
    const auto notes = s.parent.Take();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].type, SliderEvent::kChanged);
    EXPECT_EQ(notes[0].position, 0);
}

TEST(BitmapSlider, KeysMoveAndPostChangedEvenAtTheEnds) {
    PositionSlider s;
    s.slider->SetPos(10);
    s.slider->setFocus();
    QTest::keyClick(s.slider, Qt::Key_PageUp);
    EXPECT_EQ(s.slider->GetPos(), 0) << "closer to the minimum than a page";
    QTest::keyClick(s.slider, Qt::Key_Home);
    QTest::keyClick(s.slider, Qt::Key_End);
    QTest::keyClick(s.slider, Qt::Key_End);
    QTest::keyClick(s.slider, Qt::Key_Left);
    QTest::keyClick(s.slider, Qt::Key_Down);
    QTest::keyClick(s.slider, Qt::Key_PageUp);
    QTest::keyClick(s.slider, Qt::Key_A);  // not a slider key
    const auto notes = s.parent.Take();
    ASSERT_EQ(notes.size(), 7u);
    const int expected[] = {0, 0, 10000, 10000, 9999, 10000, 9980};
    for (std::size_t i = 0; i < notes.size(); ++i) {
        EXPECT_EQ(notes[i].type, SliderEvent::kChanged);
        EXPECT_EQ(notes[i].position, expected[i]) << i;
    }
}

TEST(BitmapSlider, DisabledSliderTakesNoInput) {
    PositionSlider s;
    s.slider->setEnabled(false);
    s.Press(200);
    s.Release(200);
    EXPECT_EQ(s.slider->GetPos(), 0);
    EXPECT_TRUE(s.parent.Take().empty());
}

TEST(BitmapSlider, EmptyRangeDoesNotDivideByZero) {
    PositionSlider s;
    s.slider->SetRange(0, 0);
    EXPECT_EQ(s.slider->PositionToPixel(0), 13);
    s.Press(100);
    s.Release(100);
    EXPECT_EQ(s.slider->GetPos(), 0);
    s.slider->grab();
}

TEST(BitmapSlider, SelectionModesChooseTheChannelPieces) {
    PositionSlider s;
    using Piece = CBitmapSlider::ChannelPiece;
    auto pieces = [&] { return s.slider->ChannelPieces(); };
    auto bCoverage = [&] {
        int covered = 0;
        for (const Piece& p : pieces()) {
            covered += p.imageA ? 0 : std::max(0, p.to - p.from);
        }
        return covered;
    };
    EXPECT_EQ(bCoverage(), 315) << "mode 0";
    s.slider->SetSelectionMode(1);
    EXPECT_EQ(bCoverage(), 315) << "mode 1, start 0";
    s.slider->SetSelectionStart(5000);
    EXPECT_EQ(bCoverage(), 315 - 157);
    s.slider->SetSelectionMode(2);
    s.slider->SetSelectionStart(0);
    s.slider->SetSelectionEnd(10000);
    EXPECT_EQ(bCoverage(), 315) << "start 0 and end at the maximum";
    s.slider->SetSelectionStart(4000);
    s.slider->SetSelectionEnd(4000);
    EXPECT_EQ(bCoverage(), 0) << "start and end equal and not 0";
    s.slider->SetSelectionStart(0);
    s.slider->SetSelectionEnd(0);
    EXPECT_EQ(bCoverage(), 13) << "both 0: only the strip left of the pixel of 0";
    s.slider->SetSelectionEnd(20000);
    EXPECT_EQ(s.slider->SelectionEnd(), 10000) << "clamped like SetPos";
    s.slider->SetSelectionMode(7);
    EXPECT_TRUE(pieces().empty());
}

TEST(BitmapSlider, ThumbOutlineIsTransparent) {
    PositionSlider s;
    s.slider->SetPos(5000);
    const QImage image = s.slider->grab().toImage();
    const QImage channel = skin::LoadBitmap(307);
    // The thumb's corner pixel is its key colour: the channel shows through there.
    const int left = 157 - 11;
    EXPECT_EQ(image.pixel(left, 3), channel.pixel(left, 3));
    EXPECT_NE(image.pixel(157, 8), channel.pixel(157, 8));
}

TEST(ControlButton, ShapeIsTheNonWhitePixels) {
    QImage white(10, 4, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_TRUE(CControlButton::RegionFromImage(white).isEmpty());
    white.setPixel(3, 1, qRgb(254, 255, 255));  // nearly white is inside
    white.setPixel(4, 1, qRgb(0, 0, 0));
    const QRegion region = CControlButton::RegionFromImage(white);
    EXPECT_TRUE(region.contains(QPoint(3, 1)));
    EXPECT_TRUE(region.contains(QPoint(4, 1)));
    EXPECT_FALSE(region.contains(QPoint(5, 1)));
    EXPECT_EQ(region.rectCount(), 1);
    EXPECT_TRUE(CControlButton::RegionFromImage(QImage()).isEmpty());

    CControlButton add;
    add.resize(133, 61);
    add.SetShape(177);
    EXPECT_FALSE(add.mask().contains(QPoint(0, 0))) << "rounded corner cut away";
    EXPECT_TRUE(add.mask().contains(QPoint(66, 30)));
}

TEST(ControlButton, FacesByStateAndClicks) {
    QWidget window;
    window.resize(300, 200);
    auto* button = new CControlButton(&window);
    button->setGeometry(10, 10, 133, 61);
    button->SetShape(177);
    button->SetBitmaps(178, 177, 177, 178);
    window.show();
    const QPoint centre(66, 30);
    const QImage normal = skin::LoadBitmap(177).convertToFormat(QImage::Format_RGB32);
    const QImage hover = skin::LoadBitmap(178).convertToFormat(QImage::Format_RGB32);
    auto face = [&] { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    EXPECT_EQ(face().pixel(3, 30), normal.pixel(3, 30));

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &enter);
    EXPECT_TRUE(button->Hovering());
    EXPECT_EQ(face().pixel(3, 30), hover.pixel(3, 30));
    button->setDown(true);  // the pressed face (here the normal one) over the hover face
    EXPECT_EQ(face().pixel(3, 30), normal.pixel(3, 30));
    button->setDown(false);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_FALSE(button->Hovering());

    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 1);
    // (A null point would mean "the centre" to QTest.)
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(clicks.count(), 1) << "outside the shape";
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 2) << "keyboard activation";
    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 2) << "no input while disabled";

    // Replacing the faces releases the first set; a face larger than the button (183 x 93) is
    // cut off, not scaled: its top left corner shows at its own size.
    button->SetBitmaps(185, 186, 186, 185);
    const QImage larger = skin::LoadBitmap(186).convertToFormat(QImage::Format_RGB32);
    for (const QPoint p : {QPoint(20, 20), QPoint(120, 50), QPoint(60, 40)}) {
        EXPECT_EQ(face().pixel(p), larger.pixel(p)) << p.x() << "," << p.y();
    }
}

struct HeaderList {
    CCheckListCtrl list;
    HeaderList(int rows) {
        list.setColumnCount(3);
        list.setHorizontalHeaderLabels({"Source file", "Start time", "End time"});
        list.InitHeaderCheckBox();
        list.resize(400, 200);
        list.show();
        for (int r = 0; r < rows; ++r) {
            list.insertRow(r);
            list.setItem(r, 0, new QTableWidgetItem(QString("file %1").arg(r)));
            list.SetRowChecked(r, false);
        }
    }
    void ClickHeader(int column) {
        auto* header = list.Header();
        const int x = header->sectionViewportPosition(column) + 10;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
};

TEST(CheckList, HeaderBoxChecksAndFollowsTheRows) {
    HeaderList empty(0);
    EXPECT_EQ(empty.list.Header()->BoxImage(), 1);
    empty.ClickHeader(0);
    EXPECT_EQ(empty.list.Header()->BoxImage(), 2) << "toggles on an empty list";
    EXPECT_EQ(empty.list.rowCount(), 0);

    HeaderList h(3);
    EXPECT_EQ(h.list.Header()->BoxImage(), 1);
    h.ClickHeader(0);
    EXPECT_EQ(h.list.Header()->BoxImage(), 2);
    for (int r = 0; r < 3; ++r) {
        EXPECT_TRUE(h.list.IsRowChecked(r));
    }
    h.list.SetRowChecked(1, false);
    EXPECT_EQ(h.list.Header()->BoxImage(), 1);
    h.list.item(0, 0)->setText("renamed");
    EXPECT_EQ(h.list.Header()->BoxImage(), 1) << "a text change leaves the box alone";
    h.list.SetRowChecked(1, true);
    EXPECT_EQ(h.list.Header()->BoxImage(), 2) << "the last unchecked row checked";
    h.ClickHeader(1);
    EXPECT_EQ(h.list.Header()->BoxImage(), 2) << "other columns are ignored";
    h.ClickHeader(0);
    EXPECT_EQ(h.list.Header()->BoxImage(), 1);
    for (int r = 0; r < 3; ++r) {
        EXPECT_FALSE(h.list.IsRowChecked(r));
    }
}

TEST(HyperLink, ColoursUnderlineAndOpening) {
    QWidget window;
    auto* link = new CHyperLink(&window);
    link->setGeometry(10, 10, 300, 20);
    link->SetURL("https://example.org/support");
    link->Bind();
    EXPECT_EQ(link->text(), "https://example.org/support") << "empty text shows the address";
    EXPECT_EQ(link->toolTip(), "https://example.org/support");
    EXPECT_LT(link->width(), 300) << "fitted to its text";
    EXPECT_EQ(link->CurrentColour(), QColor(0, 0, 238));
    EXPECT_FALSE(link->Underlined());

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(link, &enter);
    EXPECT_EQ(link->CurrentColour(), QColor(255, 0, 0));
    EXPECT_TRUE(link->Underlined()) << "underlined while hovered";
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_FALSE(link->Underlined());

    tolvane::test::FakeMessages presenter;
    link->SetMessagePresenter(&presenter);
    QString opened;
    link->SetOpener([&](const QString& address) {
        opened = address;
        return 42;
    });
    link->OpenLink();
    EXPECT_EQ(opened, "https://example.org/support");
    EXPECT_TRUE(link->Visited());
    EXPECT_EQ(link->CurrentColour(), QColor(85, 26, 139));
    EXPECT_TRUE(presenter.shown.isEmpty());

    link->SetOpener([](const QString&) { return 31; });
    link->OpenLink();
    EXPECT_FALSE(link->Visited());
    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_EQ(presenter.shown[0],
              "Unable to open hyperlink:\n\nThere is no application "
              "associated\nwith the given filename extension.");
    link->SetUnderline(CHyperLink::kUnderlineAlways);
    EXPECT_TRUE(link->Underlined());

    CHyperLink textOnly;
    textOnly.setText("https://example.org/");
    textOnly.Bind();
    EXPECT_EQ(textOnly.URL(), "https://example.org/") << "an empty address opens the text";

    // Fitted at the top of its box unless asked to centre; drawn over its surface's colour,
    // whatever the parent paints behind it.
    QWidget surface;
    surface.setAutoFillBackground(true);
    QPalette magenta = surface.palette();
    magenta.setColor(QPalette::Window, Qt::magenta);
    surface.setPalette(magenta);
    auto* top = new CHyperLink(&surface);
    top->setGeometry(10, 10, 300, 60);
    top->setText("https://example.org/");
    top->Bind();
    EXPECT_EQ(top->y(), 10);
    EXPECT_LT(top->height(), 60);
    QPalette slate = top->palette();
    slate.setColor(QPalette::Window, QColor(0x2a, 0x33, 0x40));
    top->setPalette(slate);
    surface.resize(400, 100);
    EXPECT_EQ(surface.grab().toImage().pixelColor(top->geometry().bottomRight()),
              QColor(0x2a, 0x33, 0x40));
    auto* middle = new CHyperLink(&surface);
    middle->setGeometry(10, 10, 300, 60);
    middle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    middle->setText("https://example.org/");
    middle->Bind();
    EXPECT_NEAR(middle->geometry().center().y(), 40, 1);
}

TEST(HyperLink, ErrorTexts) {
    EXPECT_EQ(CHyperLink::HyperlinkErrorText(26), "A sharing violation occurred. ");
    EXPECT_EQ(CHyperLink::HyperlinkErrorText(2), "The specified file was not found.");
    for (int code : {1, 4, 6, 7, 9, 10, 12, 25}) {
        EXPECT_EQ(CHyperLink::HyperlinkErrorText(code),
                  QString("Unknown Error (%1) occurred.").arg(code));
    }
}

TEST(Label, AlignmentChoice) {
    using S = CLabel::Style;
    auto f = CLabel::FormatFor(S::Center, false, "a");
    EXPECT_EQ(f.alignment, Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_TRUE(f.wordWrap);
    f = CLabel::FormatFor(S::Right, false, "a\tb");
    EXPECT_EQ(f.alignment, Qt::AlignRight | Qt::AlignTop);
    EXPECT_TRUE(f.expandTabs);
    f = CLabel::FormatFor(S::LeftNoWordWrap, false, "a");
    EXPECT_FALSE(f.wordWrap);
    f = CLabel::FormatFor(S::Left, true, "single line");
    EXPECT_EQ(f.alignment, Qt::AlignCenter) << "centre-image single line: centred both ways";
    EXPECT_FALSE(f.wordWrap);
    f = CLabel::FormatFor(S::Left, true, "two\r\nlines");
    EXPECT_EQ(f.alignment, Qt::AlignHCenter | Qt::AlignTop);

    // Line breaks break lines, in the no-wrap style and in a centred picture label alike.
    for (const auto& [style, centre] :
         {std::pair{S::LeftNoWordWrap, false}, std::pair{S::Left, true}}) {
        CLabel label;
        label.resize(200, 80);
        // The window's own background: its text stands out from it in any palette.
        const QColor background = label.palette().color(QPalette::Window);
        label.SetBackground(background);
        label.SetStyle(style, centre);
        label.setText("first\r\nsecond");
        const QImage image = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
        // Rows with ink, grouped into bands of text.
        int bands = 0;
        bool inBand = false;
        for (int y = 0; y < image.height(); ++y) {
            bool ink = false;
            for (int x = 0; x < image.width() && !ink; ++x) {
                ink = std::abs(qGray(image.pixel(x, y)) - qGray(background.rgb())) > 64;
            }
            bands += ink && !inBand ? 1 : 0;
            inBand = ink;
        }
        EXPECT_EQ(bands, 2) << "centre image: " << centre;
    }
}

TEST(Skin, EveryBitmapHasItsSizeAndConventions) {
    const struct {
        int id;
        int width;
        int height;
    } sizes[] = {{290, 880, 540}, {311, 423, 455}, {249, 408, 86}, {177, 133, 61}, {178, 133, 61},
                 {180, 130, 63},  {226, 130, 63},  {280, 130, 63}, {181, 129, 61}, {182, 129, 61},
                 {186, 183, 93},  {185, 183, 93},  {279, 183, 93}, {189, 71, 42},  {188, 71, 42},
                 {229, 71, 42},   {191, 71, 42},   {269, 71, 42},  {212, 71, 42},  {295, 71, 42},
                 {286, 71, 42},   {296, 71, 42},   {243, 71, 42},  {244, 71, 42},  {261, 71, 42},
                 {197, 116, 38},  {196, 116, 38},  {200, 116, 38}, {199, 113, 37}, {204, 112, 39},
                 {207, 20, 18},   {208, 20, 18},   {209, 20, 18},  {210, 20, 18},  {254, 23, 18},
                 {253, 23, 18},   {302, 54, 37},   {310, 54, 37},  {301, 54, 37},  {304, 60, 42},
                 {303, 60, 42},   {293, 21, 22},   {306, 315, 17}, {307, 315, 17}, {300, 73, 17},
                 {299, 73, 17},   {314, 419, 18},  {319, 419, 18}, {308, 23, 11},  {309, 23, 11},
                 {292, 48, 16}};
    for (const auto& s : sizes) {
        const QImage image = skin::LoadBitmap(s.id);
        ASSERT_FALSE(image.isNull()) << s.id;
        EXPECT_EQ(image.size(), QSize(s.width, s.height)) << s.id;
    }
    for (int id : skin::AllBitmapIds()) {
        EXPECT_FALSE(skin::LoadBitmap(id).isNull()) << id;
    }
    // Shapes: white outside the rounded corners; the Merge faces are rectangular.
    EXPECT_EQ(skin::LoadBitmap(177).pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_NE(skin::LoadBitmap(295).pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    // Header boxes: magenta around the boxes, 8 bits per pixel.
    const QImage header = skin::LoadBitmap(292);
    EXPECT_EQ(header.pixel(16, 0) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_EQ(header.depth(), 8);
    EXPECT_FALSE(skin::LoadBitmap(266).isNull());
    EXPECT_FALSE(skin::LoadBitmap(262).isNull());
}

}  // namespace

namespace {

// Every control in its states and the two backgrounds, in one picture beside the build.
TEST(Gallery, WritesEveryControlInItsStates) {
    QImage gallery(1820, 1000, QImage::Format_RGB32);
    gallery.fill(QColor(0x15, 0x1a, 0x21));
    QPainter painter(&gallery);
    painter.setPen(QColor(0xe8, 0xed, 0xf2));
    painter.drawImage(QRect(10, 10, 440, 270), skin::LoadBitmap(290));
    painter.drawImage(QRect(460, 10, 212, 228), skin::LoadBitmap(311));
    painter.drawImage(QPoint(690, 10), skin::LoadBitmap(249));

    struct Faces {
        const char* name;
        int normal;
        int hover;
        int disabled;
        int shape;
    };
    const Faces buttons[] = {
        {"Add", 177, 178, 0, 177},         {"Clip", 180, 226, 280, 280},
        {"Help", 181, 182, 0, 181},        {"Convert", 186, 185, 279, 186},
        {"Remove", 189, 188, 229, 229},    {"Clear All", 191, 269, 212, 269},
        {"Merge", 295, 286, 296, 0},       {"File Info", 243, 244, 261, 261},
        {"Setting", 197, 196, 200, 196},   {"Browse", 199, 199, 0, 199},
        {"Find Target", 204, 204, 0, 204}, {"Minimize", 207, 208, 0, 207},
        {"Close", 209, 210, 0, 209},       {"About", 254, 253, 0, 253},
        {"Play", 302, 302, 301, 301},      {"Pause", 310, 310, 301, 301},
        {"Stop", 304, 304, 303, 303},      {"Volume", 293, 293, 0, 293},
    };
    int x = 10;
    int y = 300;
    for (const Faces& f : buttons) {
        const QSize size = skin::LoadBitmap(f.normal).size();
        if (x + 4 * (size.width() + 6) > 1380) {
            x = 10;
            y += 110;
        }
        painter.drawText(x, y - 4, f.name);
        for (int state = 0; state < 4; ++state) {
            CControlButton button;
            button.resize(size);
            if (f.shape != 0) {
                button.SetShape(f.shape);
            }
            const int disabled = f.disabled != 0 ? f.disabled : f.normal;
            if (state == 3) {
                button.SetBitmaps(disabled, disabled, disabled, disabled);
            } else {
                button.SetBitmaps(f.hover, f.normal, f.normal, f.hover);
            }
            if (state == 1) {
                QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
                QApplication::sendEvent(&button, &enter);
            }
            button.setDown(state == 2);
            QPixmap face(size);
            face.fill(QColor(0x2a, 0x33, 0x40));
            button.render(&face, QPoint(), button.mask().isEmpty() ? QRegion() : button.mask());
            // Every face shows its picture, not the empty background.
            EXPECT_NE(face.toImage().pixel(size.width() / 2, size.height() / 2),
                      QColor(0x2a, 0x33, 0x40).rgb())
                << f.name << " state " << state;
            painter.drawPixmap(x, y, face);
            x += size.width() + 6;
        }
        x += 14;
    }

    y += 120;
    PositionSlider s;
    const char* modes[] = {"position", "selection start", "selection", "dragging"};
    for (int i = 0; i < 4; ++i) {
        s.slider->SetSelectionMode(i == 3 ? 0 : i);
        s.slider->SetSelectionStart(2500);
        s.slider->SetSelectionEnd(7500);
        s.slider->SetPos(5000);
        if (i == 3) {
            s.Press(s.slider->PositionToPixel(5000));
        }
        painter.drawText(10 + (i % 2) * 400, y + (i / 2) * 40, modes[i]);
        painter.drawPixmap(120 + (i % 2) * 400, y - 12 + (i / 2) * 40, s.slider->grab());
    }
    s.Release(0);

    HeaderList list(3);
    list.list.SetRowChecked(0, true);
    painter.drawPixmap(1400, 300, list.list.grab());
    list.ClickHeader(0);
    painter.drawPixmap(1400, 510, list.list.grab());

    QWidget holder;
    holder.resize(300, 60);
    auto* link = new CHyperLink(&holder);
    link->setGeometry(4, 4, 280, 22);
    link->SetURL("https://tolvane.example/support");
    link->Bind();
    painter.drawPixmap(1400, 720, link->grab());
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(link, &enter);
    painter.drawPixmap(1400, 750, link->grab());
    CLabel label;
    label.resize(280, 24);
    label.setText("Converting talk.avi  (42%)");
    label.SetStyle(CLabel::Style::Left, true);
    painter.drawPixmap(1400, 780, label.grab());
    painter.end();
    // The slider, list, link and label went in too.
    for (const QPoint p : {QPoint(1500, 320), QPoint(1450, 730), QPoint(1450, 790)}) {
        EXPECT_NE(gallery.pixel(p), gallery.pixel(5, 5)) << p.x() << "," << p.y();
    }
    ASSERT_TRUE(gallery.save(TOLVANE_GALLERY_PATH));
}

}  // namespace
