#include "CAbout.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "CHyperLink.h"
#include "SkinColours.h"
#include "SkinIds.h"
#include "SkinText.h"
#include "Version.h"

CAbout::CAbout(MessagePresenter* messages, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About"));
    auto* layout = new QGridLayout(this);
    auto* banner = new QLabel(this);
    QImage picture = skin::LoadBitmap(249);
    if (!picture.isNull()) {
        QPainter painter(&picture);
        skin::PaintText(painter, skin::kAboutTaglineText,
                        tr("The sound track of every video, as audio"),
                        QColor(skin::colour::kTextSecondary));
    }
    banner->setPixmap(QPixmap::fromImage(picture));
    layout->addWidget(banner, 0, 0, 1, 2);
    layout->addWidget(new QLabel(tr("Version %1").arg(kTolvaneVersion), this), 1, 1,
                      Qt::AlignRight);

    QFont linkFont = font();
    linkFont.setPointSize(10);
    const auto makeLink = [&](const QString& label, const char* address, int row) {
        layout->addWidget(new QLabel(label, this), row, 0);
        auto* link = new CHyperLink(this);
        link->setFont(linkFont);
        link->SetURL(address);
        link->Bind();
        link->SetUnderline(CHyperLink::kUnderlineAlways);
        // The skin's link colours: the web's blue and purple are unreadable on its slate.
        link->SetColours(QColor(skin::colour::kLink), QColor(skin::colour::kLinkVisited),
                         QColor(skin::colour::kLinkHover));
        link->SetMessagePresenter(messages);
        layout->addWidget(link, row, 1, Qt::AlignLeft);
        return link;
    };
    m_support = makeLink(tr("Support:"), kSupportAddress, 2);
    m_home = makeLink(tr("Homepage:"), kHomeAddress, 3);
    layout->addWidget(new QLabel(tr("Made for people who keep the sound of their videos."), this),
                      4, 0, 1, 2);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 5, 1, Qt::AlignRight);
}
