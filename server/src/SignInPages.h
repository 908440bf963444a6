#pragma once

class Router;
struct ServerContext;

// The sign-in page the desktop opens in the browser, "/{realm}/account/login",
// and with open registration "/{realm}/account/register". Only a known client
// id with a plain-http redirect to this computer (127.0.0.1, localhost, [::1])
// is served. Each form carries an anti-forgery token bound to its sign-in and
// to a cookie, so no other site can post it. Success answers 303 to the
// redirect with the tokens and the echoed state in the fragment, which the
// browser keeps to itself instead of sending it to any server.
namespace SignInPages {

void addRoutes(Router& router, ServerContext& context);

} // namespace SignInPages
