#include "app/TFversionInfo.h"

#include "app/VersionInfo.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TFversionInfo::TFversionInfo(const QString &programDir, UrlOpener openUrl, QWidget *parent)
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

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(240, 240);
    Image1->setAlignment(Qt::AlignCenter);
    const QPixmap picture(programDir + QStringLiteral("/images/product.png"));
    if (!picture.isNull())
        Image1->setPixmap(picture.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    appname = label("appname", QApplication::applicationDisplayName());
    QFont titleFont = appname->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    appname->setFont(titleFont);
    verlabel = label("verlabel", info.versionLine());
    verlabel->setFont(QFont(QStringLiteral("monospace")));
    companylabel = label("companylabel", info.companyName);
    copyright = label("copyright", info.legalCopyright);
    officelabel = label("officelabel", info.comments);
    officelabel->setWordWrap(true);

    const QString address = HomePageUrl().toString();
    LinkLabel1 = new QLabel(this);
    LinkLabel1->setObjectName(QStringLiteral("LinkLabel1"));
    LinkLabel1->setText(QStringLiteral("製品のご案内:<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
    LinkLabel1->setTextFormat(Qt::RichText);
    LinkLabel1->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(LinkLabel1, &QLabel::linkActivated, this, [this](const QString &link) {
        if (m_openUrl)
            m_openUrl(QUrl(link));
    });

    Button1 = new QPushButton(QStringLiteral("閉じる"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto *texts = new QVBoxLayout;
    texts->addWidget(appname);
    texts->addSpacing(12);
    texts->addWidget(verlabel);
    texts->addWidget(companylabel);
    texts->addWidget(copyright);
    texts->addWidget(officelabel);
    texts->addStretch(1);
    texts->addWidget(LinkLabel1);
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(Button1);
    texts->addLayout(closeRow);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(24, 24, 24, 16);
    row->setSpacing(24);
    row->addWidget(Image1, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
}

void TFversionInfo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QScreen *shownOn = parentWidget() ? parentWidget()->screen() : screen();
    if (!shownOn)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(shownOn->availableGeometry().center());
    move(frame.topLeft());
}
