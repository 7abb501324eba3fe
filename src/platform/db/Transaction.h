// One user action that writes more than one statement: commit explicitly, or everything is rolled back.
#pragma once

#include "platform/db/Connection.h"

namespace platform::db {

class Transaction {
public:
    explicit Transaction(Connection& connection); // begins
    ~Transaction();                               // rolls back unless committed
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& connection_;
    bool done_ = false;
};

} // namespace platform::db
