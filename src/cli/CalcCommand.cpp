#include "CalcCommand.h"

#include "FormSession.h"
#include "Json.h"

namespace vardex::cli {

namespace {

std::string Std(const QString &text) { return text.toStdString(); }

std::string ResultText(const MainForm &f, const QString &deeName)
{
    auto line = [](const QString &label, const QString &mdy, const QString &ymd) {
        return Std(label.leftJustified(11) + mdy.leftJustified(28) + ymd).append("\n");
    };
    return line(QStringLiteral("Gregorian:"), f.txbOutputGC.text, f.txbOutputGCwithAYN.text) +
           line(QStringLiteral("Julian:"), f.txbOutputJC.text, f.txbOutputJCwithAYN.text) +
           line(deeName + u':', f.txbOutputDEE.text, f.txbOutputDEEwithAYN.text) +
           Std(QStringLiteral("JDN:").leftJustified(11) + f.txbJDN.text) + "\n" +
           Std(QStringLiteral("Weekday:").leftJustified(11) + f.txbDayOfWeek.text) + "\n";
}

std::string ResultJson(const MainForm &f)
{
    JsonObject json;
    json.Add("gregorian", Std(f.txbOutputGC.text))
        .Add("gregorian_ymd", Std(f.txbOutputGCwithAYN.text))
        .Add("julian", Std(f.txbOutputJC.text))
        .Add("julian_ymd", Std(f.txbOutputJCwithAYN.text))
        .Add("dee", Std(f.txbOutputDEE.text))
        .Add("dee_ymd", Std(f.txbOutputDEEwithAYN.text))
        .Add("jdn", f.lngJDN)
        .Add("jdn_text", Std(f.txbJDN.text))
        .Add("weekday", Std(f.txbDayOfWeek.text));
    if (f.lblGregorian.bold)
        json.Add("settled", "gregorian");
    else if (f.lblJulian.bold)
        json.Add("settled", "julian");
    else
        json.AddNull("settled");
    return json.Text() + "\n";
}

}  // namespace

Outcome RunCalc(const Arguments &arguments)
{
    FormSession session(arguments.deeVariant);
    if (const auto incomplete = session.Enter(*arguments.input, arguments.arithmetic))
        return {"", "vardex-cli: " + *incomplete + "\n", kExitUsage};
    MainForm &f = session.Form();
    session.Controller().cmdCalculate_Click();

    Outcome outcome;
    outcome.err = session.Dialogs().Text();
    if (!f.txbOutputGC.visible) {
        outcome.status = kExitRefused;
        return outcome;
    }
    outcome.out = arguments.json ? ResultJson(f) : ResultText(f, f.strDeeCalendarName);
    return outcome;
}

}  // namespace vardex::cli
