#include "ui/maintenance/VersionDialog.h"

#include "core/maintenance/VersionInfo.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

VersionDialog::VersionDialog(const QString &programDir, UrlOpener openUrl, QWidget *parent)
    : QDialog(parent), m_openUrl(std::move(openUrl))
{
    setObjectName(QStringLiteral("FversionInfo"));
    setWindowTitle(QStringLiteral("製品案内"));
    setFixedSize(810, 360);
    setModal(true);

    const VersionInfo info = VersionInfo::program();
    const auto label = [this](const char *name, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };

    pictureLabel = new QLabel(this);
    pictureLabel->setObjectName(QStringLiteral("pictureLabel"));
    pictureLabel->setFixedSize(240, 240);
    pictureLabel->setAlignment(Qt::AlignCenter);
    const QPixmap picture(programDir + QStringLiteral("/images/product.png"));
    if (!picture.isNull())
        pictureLabel->setPixmap(picture.scaled(pictureLabel->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    appname = label("appname", QApplication::applicationDisplayName());
    QFont titleFont = appname->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    appname->setFont(titleFont);
    verlabel = label("verlabel", info.versionLine());
    verlabel->setFont(QFont(QStringLiteral("monospace")));
    companyLabel = label("companyLabel", info.companyName);
    copyright = label("copyright", info.legalCopyright);
    officelabel = label("officelabel", info.comments);
    officelabel->setWordWrap(true);

    const QString address = HomePageUrl().toString();
    linkLabel = new QLabel(this);
    linkLabel->setObjectName(QStringLiteral("linkLabel"));
    linkLabel->setText(QStringLiteral("製品のご案内:<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
    linkLabel->setTextFormat(Qt::RichText);
    linkLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(linkLabel, &QLabel::linkActivated, this, [this](const QString &link) {
        if (m_openUrl)
            m_openUrl(QUrl(link));
    });

    closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *texts = new QVBoxLayout;
    texts->addWidget(appname);
    texts->addSpacing(12);
    texts->addWidget(verlabel);
    texts->addWidget(companyLabel);
    texts->addWidget(copyright);
    texts->addWidget(officelabel);
    texts->addStretch(1);
    texts->addWidget(linkLabel);
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(closeButton);
    texts->addLayout(closeRow);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(24, 24, 24, 16);
    row->setSpacing(24);
    row->addWidget(pictureLabel, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
}

void VersionDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QScreen *shownOn = parentWidget() ? parentWidget()->screen() : screen();
    if (!shownOn)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(shownOn->availableGeometry().center());
    move(frame.topLeft());
}
