#include "core/settings/StoreSettings.h"

#include <QSettings>
#include <QUrl>

QString StoreSettings::location() const
{
    if (!useServer)
        return {};
    QString uri = QStringLiteral("postgresql://");
    if (!user.isEmpty())
        uri += QString::fromLatin1(QUrl::toPercentEncoding(user)) + QLatin1Char('@');
    // An IPv6 address goes in brackets, as in any URI.
    uri += host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']')
                                           : QString::fromLatin1(QUrl::toPercentEncoding(host));
    if (port > 0)
        uri += QLatin1Char(':') + QString::number(port);
    uri += QLatin1Char('/') + QString::fromLatin1(QUrl::toPercentEncoding(database));
    return uri;
}

QString StoreSettingsFile(const QString &dataDir)
{
    return dataDir + QStringLiteral("/store.ini");
}

StoreSettings ReadStoreSettings(const QString &dataDir)
{
    QSettings file(StoreSettingsFile(dataDir), QSettings::IniFormat);
    StoreSettings s;
    s.useServer = file.value(QStringLiteral("Store/Engine")).toString() == QLatin1String("postgresql");
    s.host = file.value(QStringLiteral("Store/Host")).toString().trimmed();
    s.port = file.value(QStringLiteral("Store/Port")).toInt();
    s.database = file.value(QStringLiteral("Store/Database")).toString().trimmed();
    s.user = file.value(QStringLiteral("Store/User")).toString().trimmed();
    if (s.port < 0 || s.port > 65535)
        s.port = 0;
    return s;
}

bool WriteStoreSettings(const QString &dataDir, const StoreSettings &settings)
{
    QSettings file(StoreSettingsFile(dataDir), QSettings::IniFormat);
    file.setValue(QStringLiteral("Store/Engine"), settings.useServer ? QStringLiteral("postgresql") : QStringLiteral("sqlite"));
    file.setValue(QStringLiteral("Store/Host"), settings.host);
    file.setValue(QStringLiteral("Store/Port"), settings.port);
    file.setValue(QStringLiteral("Store/Database"), settings.database);
    file.setValue(QStringLiteral("Store/User"), settings.user);
    file.sync();
    return file.status() == QSettings::NoError;
}
