#pragma once

#include <QString>
#include <QStringList>

namespace vardex::test {

struct CliResult {
    QString out;
    QString err;
    int status = -1;
};

// Runs vardex-cli with the arguments and waits for it; locale, when given, is its LC_ALL.
CliResult RunCli(const QStringList &arguments, const QString &locale = {});

}  // namespace vardex::test
