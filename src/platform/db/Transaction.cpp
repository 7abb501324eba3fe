#include "platform/db/Transaction.h"

namespace platform::db {

Transaction::Transaction(Connection& connection) : connection_(connection)
{
    connection_.begin();
}

Transaction::~Transaction()
{
    if (done_)
        return;
    try {
        connection_.rollback();
    } catch (...) {
        // A broken connection has rolled back by itself.
    }
}

void Transaction::commit()
{
    done_ = true; // a failed commit has ended the transaction too
    connection_.commit();
}

} // namespace platform::db
