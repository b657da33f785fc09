// The SOAP-style request body that CallWebService.so posts and the reading of the answer out
// of the response body (formats in docs/runtime.md). Texts are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace pxq::webservice {

// The envelope naming the operation and carrying the request as character data.
std::string RequestBody(std::string_view operation, std::string_view request);
// A text fit for one header line: CR and LF become blanks, double quotes are dropped.
std::string HeaderValue(std::string_view text);
// The answer in a response body: the result element of a SOAP envelope (its text, or its
// elements as XML), or the body as it stands when it is not an envelope.
std::string AnswerFromBody(const std::string& body);

}  // namespace pxq::webservice
