#pragma once

#include <QString>
#include <QStringList>

namespace vardex::test {

struct CliResult {
    QString out;
    QString err;
    int status = -1;
};

// Runs vardex-cli with the arguments and waits for it.
CliResult RunCli(const QStringList &arguments);

}  // namespace vardex::test
