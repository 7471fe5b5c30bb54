#include "CFileInfomation.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "ChannelTexts.h"
#include "FileInfoText.h"
#include "Loudness.h"
#include "ScreenFit.h"
#include "ThreadName.h"

CFileInfomation::CFileInfomation(const FileInfoValues& values, QWidget* parent,
                                 LoudnessMemory* loudness)
    : QDialog(parent) {
    setWindowTitle(tr("File Information"));
    const FileInfoTexts texts = MakeFileInfoTexts(values);
    const std::array<std::string, 8> shown = {
        texts.fileName,     texts.length,       texts.resolution, texts.frameRate,
        texts.videoBitRate, texts.audioBitRate, texts.samples,    texts.channel};
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        const QString text = QString::fromStdString(shown[i]);
        m_boxes[i] = new QLineEdit(i == 7 ? ShownChannelText(text) : text, this);
        m_boxes[i]->setReadOnly(true);
        m_boxes[i]->setMinimumWidth(270);
    }
    auto* layout = new QVBoxLayout(this);
    auto* top = new QFormLayout;
    top->addRow(tr("File Name:"), m_boxes[0]);
    top->addRow(tr("Media Length:"), m_boxes[1]);
    layout->addLayout(top);
    auto* video = new QGroupBox(tr("Video"), this);
    auto* videoForm = new QFormLayout(video);
    videoForm->addRow(tr("Resolution:"), m_boxes[2]);
    videoForm->addRow(tr("Frame Rate:"), m_boxes[3]);
    videoForm->addRow(tr("Bit Rate:"), m_boxes[4]);
    layout->addWidget(video);
    auto* audio = new QGroupBox(tr("Audio"), this);
    auto* audioForm = new QFormLayout(audio);
    audioForm->addRow(tr("Bit Rate:"), m_boxes[5]);
    audioForm->addRow(tr("Samples:"), m_boxes[6]);
    audioForm->addRow(tr("Channel:"), m_boxes[7]);
    if (!values.infoSoundTrack.empty()) {
        m_soundTrack = new QLineEdit(QString::fromStdString(values.infoSoundTrack), this);
        m_soundTrack->setReadOnly(true);
        audioForm->addRow(tr("Sound Track:"), m_soundTrack);
    }
    layout->addWidget(audio);
    if (values.chapterCount > 0) {
        // "Chapters: 12", the list where the pointer rests on it.
        m_chapters = new QLineEdit(QString::number(values.chapterCount), this);
        m_chapters->setReadOnly(true);
        m_chapters->setToolTip(QString::fromStdString(values.infoChapters));
        auto* chapters = new QFormLayout;
        chapters->addRow(tr("Chapters:"), m_chapters);
        layout->addLayout(chapters);
        // The list itself, where the keyboard and a screen reader reach it too.
        m_chapterList = new QPlainTextEdit(QString::fromStdString(values.infoChapters), this);
        m_chapterList->setReadOnly(true);
        m_chapterList->setTabChangesFocus(true);
        m_chapterList->setAccessibleName(tr("Chapters"));
        m_chapterList->setMaximumHeight(m_chapterList->fontMetrics().lineSpacing() * 5 + 12);
        layout->addWidget(m_chapterList);
    }
    if (loudness != nullptr) {
        // Measured on request only: reading the whole sound of a long film takes a while.
        m_memory = loudness;
        m_path = values.infoPath;
        m_track = values.soundTrackNumber;
        m_memoryKey = m_path + '\n' + std::to_string(m_track);
        const auto known = m_memory->find(m_memoryKey);
        m_loudness = new QLineEdit(
            known != m_memory->end() ? QString::fromStdString(known->second) : QString(), this);
        m_loudness->setReadOnly(true);
        m_loudness->setAccessibleName(tr("Loudness"));
        auto* row = new QHBoxLayout;
        row->addWidget(m_loudness);
        if (known == m_memory->end()) {
            m_measure = new QPushButton(tr("Measure loudness"), this);
            m_measure->setFlat(true);
            m_measure->setCursor(Qt::PointingHandCursor);
            m_measure->setToolTip(tr("Reads the whole sound track and measures it (EBU R128)"));
            connect(m_measure, &QPushButton::clicked, this, &CFileInfomation::StartMeasure);
            row->addWidget(m_measure);
        }
        auto* form = new QFormLayout;
        form->addRow(tr("Loudness:"), row);
        layout->addLayout(form);
    }
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
    FitLaidOutDialog(*this);
}

CFileInfomation::~CFileInfomation() {
    m_stopMeasuring.store(true, std::memory_order_release);
    if (m_measurer.joinable()) {
        m_measurer.join();
    }
}

void CFileInfomation::StartMeasure() {
    if (m_measurer.joinable()) {
        return;
    }
    m_measure->setEnabled(false);
    m_loudness->setText(tr("measuring\u2026"));
    m_measurer = std::thread([this, path = m_path, track = m_track] {
        tolvane::NameThisThread("measure");
        m_loudnessFacts = tolvane::MeasureLoudness(path, track, 0.0, 0.0, true, &m_stopMeasuring);
        m_measured.store(true, std::memory_order_release);
    });
    connect(&m_poll, &QTimer::timeout, this, &CFileInfomation::ShowLoudness);
    m_poll.start(50);
}

void CFileInfomation::ShowLoudness() {
    if (m_measured.load(std::memory_order_acquire)) {
        m_poll.stop();
        const tolvane::LoudnessFacts& facts = m_loudnessFacts;
        const auto decibels = [](double value) {
            return QString::fromStdString(tolvane::DecibelText(value));
        };
        QString text = tr("not measured");
        if (facts.measured && !std::isfinite(facts.integrated)) {
            text = tr("silent");
        } else if (facts.measured) {
            text = tr("%1 LUFS \u00b7 peak %2 dBTP")
                       .arg(decibels(facts.integrated), decibels(facts.truePeak));
        }
        m_loudness->setText(text);
        m_measure->hide();
        if (facts.measured) {
            (*m_memory)[m_memoryKey] = text.toStdString();  // shown at once next time
        }
    }
}

QString CFileInfomation::LoudnessText() const {
    return m_loudness ? m_loudness->text() : QString();
}

QString CFileInfomation::BoxText(int index) const {
    return m_boxes.at(static_cast<std::size_t>(index))->text();
}

QString CFileInfomation::ChaptersText() const {
    return m_chapters ? m_chapters->text() : QString();
}
QString CFileInfomation::ChaptersList() const {
    return m_chapters ? m_chapters->toolTip() : QString();
}

QString CFileInfomation::SoundTrackText() const {
    return m_soundTrack ? m_soundTrack->text() : QString();
}
