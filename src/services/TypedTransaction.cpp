#include "TypedTransaction.h"

bool TypedTransaction::isBlank() const
{
    for (const QString* field :
        { &checkNumber, &payee, &category, &memo, &payment, &deposit, &cleared }) {
        if (!field->trimmed().isEmpty())
            return false;
    }
    return true;
}
