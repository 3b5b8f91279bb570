"""The clocks the rooms write their times in: Eastern and Central European time, with
the daylight-saving changes of 2024."""

from __future__ import annotations

from datetime import datetime, timedelta

# The changes in UTC.
EDT_FROM, EDT_TO = datetime(2024, 3, 10, 7, 0), datetime(2024, 11, 3, 6, 0)
CEST_FROM, CEST_TO = datetime(2024, 3, 31, 1, 0), datetime(2024, 10, 27, 1, 0)


def eastern(utc: datetime) -> tuple[datetime, str]:
    if EDT_FROM <= utc < EDT_TO:
        return utc - timedelta(hours=4), "EDT"
    return utc - timedelta(hours=5), "EST"


def central_european(utc: datetime) -> tuple[datetime, str]:
    if CEST_FROM <= utc < CEST_TO:
        return utc + timedelta(hours=2), "CEST"
    return utc + timedelta(hours=1), "CET"
