#include "app/StyleFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString readStyleFile(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray content = file.readAll();
        file.close();
        QString first = QString::fromUtf8(content.left(content.indexOf('\n') < 0 ? content.size() : content.indexOf('\n')));
        if (first.endsWith(QLatin1Char('\r')))
            first.chop(1);
        if (!first.isEmpty())
            return first;
    }
    writeStyleFile(path, QString::fromLatin1(kDefaultStyle));
    return QString::fromLatin1(kDefaultStyle);
}

void writeStyleFile(const QString& path, const QString& name)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(name.toUtf8() + "\r\n");
}
