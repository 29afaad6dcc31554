#pragma once

#include "core/http_response.h"
#include "platform/host_lookup.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QUrl>

#include <optional>
#include <utility>
#include <vector>

// One GET of an http:// URL on a socket of its own, sent exactly as the URL
// spells its path (a general-purpose client would fold "//version.aspx" into
// "/version.aspx"). Blocks the calling thread until the response is
// complete, the time-out passes, or the thread is asked to stop
// (QThread::requestInterruption, noticed within a twentieth of a second); returns
// nothing on any failure.
std::optional<HttpResponse> httpGet(const QUrl &url, int timeoutMs, qint64 maxBytes);

// The same GET on the given addresses of the URL's host, tried in turn until
// one takes the connection; each may use its share of the time left for
// connecting, so one that never answers does not use up the deadline.
std::optional<HttpResponse> httpGet(const QUrl &url, const std::vector<HostAddress> &addresses,
                                    const QDeadlineTimer &deadline, qint64 maxBytes);
