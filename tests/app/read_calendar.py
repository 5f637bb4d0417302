#!/usr/bin/python3
"""Reads an iCalendar file with the icalendar package and prints its events as JSON lines: uid, date, summary,
alarms."""
import json
import sys

import icalendar

with open(sys.argv[1], "rb") as f:
    calendar = icalendar.Calendar.from_ical(f.read())
print(json.dumps({"version": str(calendar["VERSION"]), "prodid": str(calendar["PRODID"])}))
for event in calendar.walk("VEVENT"):
    print(json.dumps({
        "uid": str(event["UID"]),
        "date": event["DTSTART"].dt.isoformat(),
        "allDay": event["DTSTART"].params.get("VALUE") == "DATE",
        "stamp": event["DTSTAMP"].dt.isoformat(),
        "summary": str(event["SUMMARY"]),
        "alarms": [{"action": str(a["ACTION"]), "trigger": str(a["TRIGGER"].dt)} for a in event.walk("VALARM")],
    }))
