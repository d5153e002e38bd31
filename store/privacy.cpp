#include "privacy.h"

#include "base/failure.h"
#include "connection.h"

namespace corvanna {

PrivacyRules readPrivacyRules(Connection&) {
    return {};
}
void writePrivacyRules(Connection&, const PrivacyRules&) {
    throw Failure(QStringLiteral("Privacy rules are not available yet."));
}
int eraseCardsDue(Connection&, const QDate&, const QString&) {
    return 0;
}
int eraseGuestsDue(Connection&, const QDate&, const QString&) {
    return 0;
}
std::vector<PrivacyLogLine> readPrivacyLog(Connection&) {
    return {};
}
void logPrivacy(Connection&, const QString&, int, const QString&) {}

} // namespace corvanna
