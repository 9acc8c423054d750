#include "RequestSpacing.h"

#include "FetchText.h"

std::chrono::milliseconds RequestSpacing::waitBefore(const QUrl& address) const {
    const auto last = lastEnd_.constFind(address.host());
    if (last == lastEnd_.cend()) return {};
    const auto left = *last + interval_ - clock_();
    if (left <= TimePoint::duration::zero()) return {};
    return std::chrono::ceil<std::chrono::milliseconds>(left);
}

void RequestSpacing::requestEnded(const QUrl& address) {
    if (isNetworkAddress(address)) lastEnd_.insert(address.host(), clock_());
}
