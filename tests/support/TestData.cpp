#include "support/TestData.h"

#include <QFile>

QString TestData::folder() {
    const QByteArray fromEnvironment = qgetenv("VELTRIX_TEST_DATA");
    if (!fromEnvironment.isEmpty()) {
        return QString::fromLocal8Bit(fromEnvironment);
    }
    return QStringLiteral(VELTRIX_SOURCE_TESTS_DATA);
}

QString TestData::path(const QString& relative) {
    return folder() + "/" + relative;
}

std::string TestData::read(const QString& relative) {
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}
