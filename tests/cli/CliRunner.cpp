#include "CliRunner.h"

#include <QProcess>

namespace vardex::test {

CliResult RunCli(const QStringList &arguments, const QString &locale)
{
    QProcess process;
    if (!locale.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), locale);
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(VARDEX_CLI_PATH), arguments);
    process.waitForFinished(30000);
    CliResult result;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

}  // namespace vardex::test
