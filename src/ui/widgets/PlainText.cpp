#include "PlainText.h"

#include <QTextDocument>

namespace PlainText {

QString forAutoText(const QString& text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text) : text;
}

} // namespace PlainText
