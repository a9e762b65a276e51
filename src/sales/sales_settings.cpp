#include "sales/sales_settings.h"

#include "shell/clock.h"
#include "shell/numbers.h"

SalesLook salesLook(const WorkstationSettings& s, const FontStyle& designedFont)
{
    SalesLook look;
    look.font = designedFont;
    applyStyleText(QStringLiteral("<>") + s.font + QStringLiteral("<>") + s.size + QStringLiteral("<>") + s.bold, look.font);
    look.textColor = parseColorNumber(s.yzrenk);
    const ListColors colors = parseListColors(s.listrenk);
    look.background = colors.background;
    look.selection = colors.selection;
    look.fullScreen = isOn(s.tmekran);
    if (!s.title.isNull())
        look.title = s.title;
    return look;
}

QString openingReceiptNumber(const ParamSettings& params, const QDate& today)
{
    if (params.fisnolaritarih != Clock::shortDate(today))
        return QStringLiteral("0001");
    if (const auto n = Num::parseInt(params.fisnolari))
        return Num::pad(*n, 4);
    return params.fisnolari.isEmpty() ? QStringLiteral("0001") : params.fisnolari;
}

std::optional<bool> truthValue(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto n = Num::parse(t))
        return *n != 0;
    return std::nullopt;
}
