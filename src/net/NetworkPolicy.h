#pragma once

class QUrl;

namespace NetworkPolicy {

// The host is this machine: "localhost" or a loopback address.
bool isLoopback(const QUrl& url);

// Where this program may send a request: HTTPS anywhere, plain HTTP only to
// this machine (local test and development servers).
bool isAllowedTarget(const QUrl& url);

} // namespace NetworkPolicy
