#pragma once

// Names the desktop and ledgerine-server both use: the discovery document
// that turns one typed address into the services' addresses.
namespace ServerWire {

inline constexpr char kDiscoveryPath[] = "/.well-known/ledgerine.json";
inline constexpr char kAccountApiPath[] = "/account/v1";
inline constexpr char kSyncApiPath[] = "/ledgerine/v1";

// Members of the discovery document.
inline constexpr char kService[] = "service";
inline constexpr char kServiceName[] = "ledgerine-server";
inline constexpr char kVersion[] = "version";
inline constexpr char kAuthBaseUrl[] = "auth_base_url";
inline constexpr char kRealm[] = "realm";
inline constexpr char kClientId[] = "client_id";
inline constexpr char kAccountApiUrl[] = "account_api_url";
inline constexpr char kSyncApiUrl[] = "sync_api_url";
inline constexpr char kRegistrationOpen[] = "registration_open";

} // namespace ServerWire
