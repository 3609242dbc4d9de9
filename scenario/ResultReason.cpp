#include "scenario/ResultReason.h"

#include "app/Language.h"

#include <QLineEdit>

namespace {

const char* const ReasonProperty = "resultReason";

} // namespace

void ResultReason::Show(QLineEdit* field, qint32 id)
{
    field->setProperty(ReasonProperty, id);
    field->setPlaceholderText(id == 0 ? QString() : Language::LoadResString(id));
}

void ResultReason::Retranslate(QWidget* window)
{
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
        const QVariant id = field->property(ReasonProperty);
        if (id.isValid())
            Show(field, id.toInt());
    }
}
