#include "platform/db/Error.h"

#include <utility>

namespace platform {

Error::Error(const QString& message)
    : std::runtime_error(message.toStdString())
    , message_(message)
{
}

namespace db {

DbError::DbError(const QString& serverText, QString sqlState, QString statement, QStringList values, QString detail)
    : Error(serverText)
    , sqlState_(std::move(sqlState))
    , statement_(std::move(statement))
    , values_(std::move(values))
    , detail_(std::move(detail))
{
}

} // namespace db
} // namespace platform
