#include "TokenStore.h"

namespace MellAccount {

void TokenStore::clear()
{
    removeKey(kAccessTokenKey);
    removeKey(kRefreshTokenKey);
}

} // namespace MellAccount
