#include "CClipDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <thread>

#include "CBitmapSlider.h"
#include "CControlButton.h"
#include "MessagePresenter.h"
#include "Messages.h"
#include "PictureFrame.h"
#include "PreviewEngine.h"
#include "PreviewTransport.h"
#include "ScreenFit.h"
#include "SilenceFinder.h"
#include "SkinIds.h"
#include "SkinLayout.h"
#include "SkinLook.h"
#include "SkinText.h"
#include "SoundEnvelope.h"
#include "SplitParts.h"
#include "ThreadBudget.h"
#include "TimeText.h"
#include "WaveformStrip.h"

namespace {

constexpr int kBackgroundId = 311;

QString Time(long long seconds) {
    return QString::fromStdString(FormatTimeText(seconds));
}

long long Seconds(const QString& text) {
    return ParseTimeText(text.toStdString());
}

// A clip time to the millisecond; negative when the text is no time.
long long Millis(const QString& text) {
    const double seconds = ParseSplitTime(text.toStdString());
    return seconds < 0.0 ? -1 : std::llround(seconds * 1000.0);
}

}  // namespace

CClipDialog::CClipDialog(ClipHost& host, QWidget* parent, MessagePresenter* messages)
    : QDialog(parent), m_host(host), m_messages(messages) {
    setWindowTitle(tr("Clip"));
    setFixedSize(skin::kClipWindow.width, skin::kClipWindow.height);
    m_background = QPixmap::fromImage(skin::LoadBitmap(kBackgroundId));

    m_preview = new PictureFrame(this);
    m_preview->setGeometry(skin::Rect(skin::kClipPreview));
    m_preview->setAccessibleName(tr("Preview"));
    m_waveform = new WaveformStrip(this);
    m_waveform->setAccessibleName(tr("Sound of the whole file"));
    m_waveform->setAccessibleDescription(tr(
        "Loud and quiet parts, the pauses, the chapters and the clip; a click plays from there"));
    m_waveform->setGeometry(skin::Rect(skin::kClipWaveform));
    connect(m_waveform, &WaveformStrip::SeekRequested, this, &CClipDialog::SeekToShare);
    // The pauses are found when asked: from the waveform's menu, or by the trim box.
    auto* showPauses = new QAction(tr("Show pauses"), m_waveform);
    connect(showPauses, &QAction::triggered, this, &CClipDialog::ShowPauses);
    m_waveform->addAction(showPauses);
    m_waveform->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_waveformTimer.setInterval(100);
    connect(&m_waveformTimer, &QTimer::timeout, this, &CClipDialog::RefreshWaveform);

    m_positionSlider = new CBitmapSlider(this, kPositionSliderId);
    m_positionSlider->move(skin::kClipSlider.x, skin::kClipSlider.y);
    m_positionSlider->ApplySkin(314, 319, 0, 10000, 0);
    m_positionSlider->setEnabled(false);
    m_positionSlider->setAccessibleName(tr("Position"));
    // The volume button and slider exist but are never shown.
    m_volumeSlider = new CBitmapSlider(this, kVolumeSliderId);
    m_volumeSlider->ApplySkin(300, 299, 0, 100, 30);
    m_volumeSlider->hide();
    m_volume = new CControlButton(this);
    m_volume->SetShape(293);
    m_volume->SetBitmaps(293, 293, 293, 293);
    m_volume->hide();

    m_play = new CControlButton(this);
    m_play->setGeometry(skin::Rect(skin::kClipPlayButton));
    m_play->SetShape(PreviewTransport::kPlayGreyedFace);
    m_play->setToolTip(tr("Play"));
    m_play->setAccessibleName(tr("Play"));
    m_stop = new CControlButton(this);
    m_stop->setGeometry(skin::Rect(skin::kClipStopButton));
    m_stop->SetShape(PreviewTransport::kStopGreyedFace);
    m_stop->setToolTip(tr("Stop"));
    m_stop->setAccessibleName(tr("Stop"));

    const auto group = [this](const QString& title, const skin::Box& box, auto* time) {
        auto* frame = new QGroupBox(title, this);
        frame->setGeometry(skin::Rect(box));
        time->setParent(frame);
        time->setText(QStringLiteral("00:00:00"));
        time->setAlignment(Qt::AlignCenter);
        time->setAccessibleName(title);
        auto* layout = new QVBoxLayout(frame);
        // The group keeps its title's room above what it holds, for whatever font the title
        // takes (a Chinese font stands taller than a Latin one).
        layout->setContentsMargins(6, 0, 6, 2);
        layout->addWidget(time);
        return time;
    };
    // Begin and end read as the cut time does, and take a time typed into them.
    const auto typed = [this] {
        auto* field = new QLineEdit;
        field->setFrame(false);
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        field->setPalette(palette);
        field->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9:]{0,10}(\\.[0-9]{0,3})?")), field));
        field->setToolTip(tr("Type a time: HH:MM:SS, to the millisecond as HH:MM:SS.mmm"));
        // What the dialog itself set is what a refused time goes back to.
        connect(field, &QLineEdit::textChanged, field, [field](const QString& text) {
            if (!field->isModified()) {
                field->setProperty("shown", text);
            }
        });
        connect(field, &QLineEdit::editingFinished, this, [this, field] { OnTimeTyped(field); });
        return field;
    };
    m_begin = group(tr("Start time"), skin::kClipStartGroup, typed());
    m_end = group(tr("End time"), skin::kClipEndGroup, typed());
    m_cut = group(tr("Cut time"), skin::kClipCutGroup, new QLabel);

    const auto button = [this](const QString& text, const QString& tip, const skin::Box& box) {
        auto* b = new QPushButton(text, this);
        b->setGeometry(skin::Rect(box));
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return b;
    };
    auto* setBegin = button(tr("&Set Begin Time"), tr("Set Begin Time"), skin::kClipSetBeginButton);
    auto* setEnd = button(tr("&Set End Time"), tr("Set End Time"), skin::kClipSetEndButton);
    auto* reset = button(tr("&Reset"), tr("Reset Time"), skin::kClipResetButton);
    auto* ok = button(tr("&OK"), tr("OK"), skin::kClipOkButton);
    auto* cancel = button(tr("&Cancel"), tr("Cancel"), skin::kClipCancelButton);
    // Enter confirms and Escape cancels, wherever the focus is but on the slider.
    ok->setDefault(true);

    // Beyond the begin and end the user sets: the silence at both ends left out.
    m_trim = new QCheckBox(tr("Trim silence at the ends"), this);
    m_trim->setGeometry(skin::Rect(skin::kClipTrimCheck));
    m_trim->setToolTip(tr("Begin and end at the first and last sound, with a margin around it"));
    connect(m_trim, &QCheckBox::toggled, this, &CClipDialog::OnTrimToggled);

    // The playing position, beside the transport buttons under the slider.
    m_position = new QLabel(tr("00:00:00"), this);
    m_position->setGeometry(skin::kClipCutGroup.x, skin::kClipPlayButton.y,
                            skin::kClipCutGroup.width, skin::kClipPlayButton.height);
    m_position->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_position->setToolTip(tr("Playing position"));

    connect(m_play, &QAbstractButton::clicked, this, &CClipDialog::OnPlay);
    connect(m_stop, &QAbstractButton::clicked, this, &CClipDialog::OnStop);
    connect(setBegin, &QPushButton::clicked, this, &CClipDialog::OnSetBegin);
    connect(setEnd, &QPushButton::clicked, this, &CClipDialog::OnSetEnd);
    connect(reset, &QPushButton::clicked, this, &CClipDialog::OnReset);
    connect(ok, &QPushButton::clicked, this, &CClipDialog::OnOk);
    connect(cancel, &QPushButton::clicked, this, &CClipDialog::OnCancel);
    m_transport = new PreviewTransport({m_play, m_stop, m_positionSlider, m_preview},
                                       PreviewTransport::StopMode::StopOnly, this);
    connect(m_transport, &PreviewTransport::PositionChanged, this,
            [this](int seconds) { m_position->setText(Time(seconds)); });
}

CClipDialog::~CClipDialog() = default;

int CClipDialog::CurrentTime() const {
    return m_transport->CurrentTime();
}
bool CClipDialog::Playing() const {
    return m_transport->Playing();
}
bool CClipDialog::PreviewOpened() const {
    return m_transport->Opened();
}
bool CClipDialog::Polling() const {
    return m_transport->Polling();
}

QPushButton* CClipDialog::Button(const QString& text) const {
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->text().remove('&') == text) {
            return b;
        }
    }
    return nullptr;
}

QString CClipDialog::BeginText() const {
    return m_begin->text();
}
QString CClipDialog::EndText() const {
    return m_end->text();
}
QString CClipDialog::CutText() const {
    return m_cut->text();
}
QString CClipDialog::PositionText() const {
    return m_position->text();
}

void CClipDialog::SetUpPlayer() {
    m_transport->TakePlayer();
    m_closing = false;
}

void CClipDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;  // restored after a minimise: the clip and its marks stay as they are
    }
    // On a small screen the whole dialog is drawn smaller, text and all.
    const QSize natural(skin::kClipWindow.width, skin::kClipWindow.height);
    m_scale = ScreenFitScale(*this, natural);
    ScaleChildren(*this, m_scale);
    ScaleFonts(*this, m_scale);
    setFixedSize(skin::ScaledRect(skin::kClipWindow, m_scale).size());
    // A long translation is made smaller or cut short to the skin's places (measured once the
    // dialog wears its font), whole in the tooltip.
    for (QAbstractButton* fixed : findChildren<QAbstractButton*>()) {
        if (qobject_cast<QPushButton*>(fixed) != nullptr || fixed == m_trim) {
            FitTextToWidth(*fixed);
        }
    }
    SetUpPlayer();
    m_transport->ShowReady();
    OnPlay();  // the dialog starts playing at once
    const ClipRow row = m_host.ClipRowTexts();
    const long long start = ParseTimeText(row.start);
    const long long end = ParseTimeText(row.end);
    m_begin->setText(QString::fromStdString(row.start));
    m_end->setText(QString::fromStdString(row.end));
    ShowCut(Time(end - start));
    // A row of length 0 has no place on the slider: its marks stay at the start.
    const long long length = row.length;
    m_positionSlider->SetSelectionStart(length > 0 ? static_cast<int>(start * 1000 / length) : 0);
    m_positionSlider->SetSelectionEnd(length > 0 ? static_cast<int>(end * 1000 / length) : 0);
    m_positionSlider->SetSelectionMode(2);
    // The keyboard starts on Play: Space pauses, Enter is OK, Escape is Cancel.
    m_play->setFocus(Qt::OtherFocusReason);
    // The sound of the whole file, read in the background and drawn as it comes.
    m_envelope = std::make_unique<tolvane::SoundEnvelope>(m_host.LastSelectedPath().toStdString(),
                                                          m_waveform->width());
    m_waveform->SetPeaks({});
    // The pauses: found only when asked (they read the whole sound), or known from before.
    const auto seconds = static_cast<double>(row.length);
    m_levelsSpan = {
        m_host.LastSelectedPath().toStdString(), row.soundTrack, 0.0, seconds, true, seconds};
    m_silences.reset();
    m_levels = m_host.KnownLevels(m_host.LastSelectedPath(), row.soundTrack);
    m_trim->setChecked(false);
    m_trimWaiting = false;
    m_waveformTimer.start();
}

bool CClipDialog::SilencesKnown() const {
    return m_levels != nullptr;
}

void CClipDialog::ShowPauses() {
    if (m_levels || m_silences || m_levelsSpan.path.empty()) {
        return;
    }
    // On the cores the player leaves; RefreshWaveform takes the result.
    m_silences =
        std::make_unique<tolvane::SilenceFinder>(m_levelsSpan, tolvane::SoundReadersBesidePlayer());
    m_waveformTimer.start();
}

void CClipDialog::OnTrimToggled(bool on) {
    if (!on) {
        m_trimWaiting = false;
        if (!m_untrimmedBegin.isEmpty()) {
            const long long begin = Seconds(m_untrimmedBegin);
            const long long end = Seconds(m_untrimmedEnd);
            SetTimes(begin, end, end - begin);
        }
        return;
    }
    m_untrimmedBegin = m_begin->text();
    m_untrimmedEnd = m_end->text();
    m_trimWaiting = true;
    ShowPauses();
    ApplyTrim();
}

void CClipDialog::ApplyTrim() {
    if (!m_trimWaiting || !SilencesKnown()) {
        return;  // once the pauses are known (RefreshWaveform)
    }
    m_trimWaiting = false;
    const tolvane::LevelsRead& read = *m_levels;
    if (!read.read) {
        m_trim->setToolTip(tr("The sound cannot be read: %1")
                               .arg(QString::fromStdString(tolvane::SayPieces(read.failure))));
        return;
    }
    // Within the clip as it stands; whole seconds, outwards, so that no sound is lost.
    const long long length = m_host.ClipRowTexts().length;
    const TimeSpan clip{static_cast<double>(Seconds(m_untrimmedBegin)),
                        static_cast<double>(Seconds(m_untrimmedEnd))};
    const SilenceTrim trim = TrimSilence(LevelsWithin(read.levels, clip), SilenceRule{}.decibels);
    m_trim->setToolTip(QString::fromStdString(trim.note));
    if (!trim.trimmed) {
        return;
    }
    const auto begin = static_cast<long long>(std::floor(trim.clip.start));
    const auto end = std::min(length, static_cast<long long>(std::ceil(trim.clip.end)));
    SetTimes(begin, end, end - begin);
    if (length > 0) {
        m_positionSlider->SetSelectionStart(static_cast<int>(begin * 1000 / length));
        m_positionSlider->SetSelectionEnd(static_cast<int>(end * 1000 / length));
        m_positionSlider->SetSelectionMode(2);
    }
    RefreshWaveform();
}

bool CClipDialog::WaveformDone() const {
    return m_envelope && m_envelope->Done();
}

void CClipDialog::RefreshWaveform() {
    if (!m_envelope) {
        return;
    }
    if (m_silences && m_silences->Done()) {
        // Found: kept by the window for the next opening of this file.
        m_levels = std::make_shared<const tolvane::LevelsRead>(m_silences->Result());
        m_silences.reset();
        m_host.KeepLevels(QString::fromStdString(m_levelsSpan.path), m_levelsSpan.soundTrack,
                          m_levels);
    }
    if (SilencesKnown() && m_levels->read && m_envelope->Seconds() > 0.0) {
        std::vector<std::pair<double, double>> shares;
        for (const TimeSpan& pause : FindSilences(m_levels->levels, {})) {
            shares.emplace_back(pause.start / m_envelope->Seconds(),
                                pause.end / m_envelope->Seconds());
        }
        m_waveform->SetSilences(std::move(shares));
        ApplyTrim();
    }
    const double seconds = m_envelope->Seconds();
    if (seconds <= 0.0) {
        return;
    }
    m_waveform->SetPeaks(m_envelope->Peaks());
    std::vector<double> chapters;
    std::vector<QString> titles;
    for (const ChapterMark& chapter : m_envelope->Chapters()) {
        chapters.push_back(chapter.start / seconds);
        titles.push_back(QString::fromStdString(chapter.title));
    }
    m_waveform->SetLength(seconds);
    m_waveform->SetChapterTitles(std::move(titles));
    const bool playing = m_positionSlider->isEnabled();
    m_waveform->SetMarks(static_cast<double>(Seconds(m_begin->text())) / seconds,
                         static_cast<double>(Seconds(m_end->text())) / seconds,
                         playing ? m_positionSlider->GetPos() / 1000.0 : -1.0, chapters);
}

void CClipDialog::SeekToShare(double share) {
    m_positionSlider->SetPos(static_cast<int>(std::lround(share * 1000.0)));
    m_transport->Seek();
    RefreshWaveform();
}

void CClipDialog::done(int result) {
    // Closing in any way ends the reading of the sound.
    m_waveformTimer.stop();
    m_envelope.reset();
    m_silences.reset();
    QDialog::done(result);
}

void CClipDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_background);
    painter.scale(m_scale, m_scale);
    skin::PaintText(painter, skin::kClipPreviewText, tr("Preview"), QColor(0x3a, 0x44, 0x52));
}

void CClipDialog::ShowCut(const QString& time) {
    m_cut->setText(time);
    // A screen reader says the group's name and the time it holds.
    m_cut->setAccessibleName(tr("Cut time: %1").arg(time));
}

void CClipDialog::OnPlay() {
    m_transport->Play([this] { return m_host.LastSelectedPath(); });
}

void CClipDialog::OnStop() {
    m_transport->Stop(m_host.AnyRowSelected());
}

void CClipDialog::OnPreviewEnded() {
    if (m_transport->OwnsPlayer()) {
        OnStop();
    }
}

void CClipDialog::SetTimes(long long begin, long long end, long long cut) {
    // A negative time shows as 00:00:00.
    m_begin->setText(Time(begin));
    m_end->setText(Time(end));
    ShowCut(Time(cut));
}

void CClipDialog::OnSetBegin() {
    const int position = m_positionSlider->GetPos();
    m_positionSlider->SetSelectionStart(position);
    m_positionSlider->SetSelectionMode(1);
    // The end goes back to the row's end: the file's, or a split part's own (never over the
    // parts after it), unless the begin lies past it.
    const ClipRow row = m_host.ClipRowTexts();
    const long long end = row.partEnd > CurrentTime() ? row.partEnd : row.length;
    SetTimes(CurrentTime(), end, end - CurrentTime());
}

void CClipDialog::OnSetEnd() {
    const int position = m_positionSlider->GetPos();
    m_positionSlider->SetSelectionEnd(position);
    m_positionSlider->SetSelectionMode(2);
    const long long begin = Seconds(m_begin->text());
    const long long current = CurrentTime();
    if (begin < current) {
        m_end->setText(Time(current));
        ShowCut(Time(current - begin));
    } else {
        // Swapped, so that the begin never lies after the end.
        SetTimes(current, begin, begin - current);
    }
}

void CClipDialog::OnTimeTyped(QLineEdit* field) {
    const long long length = m_host.ClipRowTexts().length;
    const long long typed = Millis(field->text());
    if (typed < 0 || typed > length * 1000 + 999) {
        field->setText(field->property("shown").toString());
        return;
    }
    // Whole seconds read as the dialog shows them; a fraction keeps its milliseconds.
    field->setText(QString::fromStdString(FormatClipTime(typed)));
    const long long begin = Millis(m_begin->text());
    const long long end = Millis(m_end->text());
    ShowCut(Time(std::max(0LL, end - begin) / 1000));
    RefreshWaveform();
}

void CClipDialog::OnReset() {
    m_positionSlider->SetSelectionStart(0);
    m_positionSlider->SetSelectionEnd(0);
    m_positionSlider->SetSelectionMode(0);
    const long long length = m_host.ClipRowTexts().length;
    SetTimes(0, length, length);
}

void CClipDialog::OnOk() {
    // A clip that begins where it ends holds no sound: converting it would write nothing. (A
    // file shorter than a second runs from 00:00:00 to 00:00:00 as a whole: that stays.)
    const long long begin = Millis(m_begin->text());
    const long long end = Millis(m_end->text());
    const bool wholeFile = begin == 0 && end == m_host.ClipRowTexts().length * 1000;
    if (begin >= end && !wholeFile) {
        MessagePresenter& messages =
            m_messages != nullptr ? *m_messages : DefaultMessagePresenter();
        messages.Show(this, tr("The clip begins where it ends (%1), so it holds no sound. Set "
                               "another begin or end time, or Reset.")
                                .arg(m_begin->text()));
        return;
    }
    m_host.WriteClipRow(m_begin->text(), m_end->text());
    m_closing = true;
    OnStop();
    PreviewEngine_Close();
    m_host.SetUpPreview();
    done(QDialog::Accepted);
}

void CClipDialog::OnCancel() {
    m_closing = true;
    OnStop();
    PreviewEngine_Close();
    done(QDialog::Rejected);
}

void CClipDialog::reject() {
    // Escape: as Cancel.
    if (!m_closing) {
        OnCancel();
    }
}

void CClipDialog::closeEvent(QCloseEvent* event) {
    // The close box: stop, hand the player back, close as Cancel.
    if (!m_closing) {
        m_closing = true;
        OnStop();
        PreviewEngine_Close();
        m_host.SetUpPreview();
        done(QDialog::Rejected);
    }
    event->accept();
}

bool CClipDialog::event(QEvent* event) {
    // A drag acts as it goes; a key moves the thumb and says so once (kChanged).
    if (event->type() == SliderEvent::kTracking || event->type() == SliderEvent::kChanged) {
        const auto* slider = static_cast<SliderEvent*>(event);
        if (slider->ControlId() == kPositionSliderId) {
            // A key keeps playing or paused as it was; a drag plays from where it goes.
            m_transport->SeekIfMoved(event->type() == SliderEvent::kChanged
                                         ? PreviewTransport::SeekPlay::KeepState
                                         : PreviewTransport::SeekPlay::Resume);
        }
        return true;
    }
    return QDialog::event(event);
}
