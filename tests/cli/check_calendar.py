#!/usr/bin/env python3
"""Reads an iCalendar file with Debian's python3-icalendar, strictly, and prints its events as
JSON: uid, start and end (ISO 8601 UTC), summary and description, in file order. Exits 1 with a
message when the file breaks the rules the parser or these checks know: lines not ended by CR LF,
content lines longer than 75 octets, times not in UTC, an event without its required parts."""
import datetime
import json
import sys

import icalendar

MAX_OCTETS = 75


def fail(message):
    print(message, file=sys.stderr)
    sys.exit(1)


def main():
    raw = open(sys.argv[1], "rb").read()
    if not raw.endswith(b"\r\n"):
        fail("the file does not end with CR LF")
    lines = raw[:-2].split(b"\r\n")
    for number, line in enumerate(lines, 1):
        if b"\n" in line or b"\r" in line:
            fail("line %d: a bare line break" % number)
        if len(line) > MAX_OCTETS:
            fail("line %d: %d octets" % (number, len(line)))
        line.decode("utf-8")
    calendar = icalendar.Calendar.from_ical(raw)
    if calendar.errors:
        fail("parser errors: %r" % calendar.errors)
    for required in ("VERSION", "PRODID"):
        if required not in calendar:
            fail("the calendar has no " + required)
    events = []
    for event in calendar.walk("VEVENT"):
        if event.errors:
            fail("event errors: %r" % event.errors)
        for required in ("UID", "DTSTAMP", "DTSTART", "DTEND", "SUMMARY"):
            if required not in event:
                fail("an event has no " + required)
        times = {}
        for name in ("DTSTART", "DTEND", "DTSTAMP"):
            value = event.decoded(name)
            if not isinstance(value, datetime.datetime) or value.utcoffset() != datetime.timedelta(0):
                fail("%s is not a UTC time: %r" % (name, value))
            times[name] = value.strftime("%Y-%m-%dT%H:%M:%SZ")
        events.append({"uid": str(event["UID"]), "start": times["DTSTART"], "end": times["DTEND"],
                       "summary": str(event["SUMMARY"]),
                       "description": str(event.get("DESCRIPTION", ""))})
    json.dump(events, sys.stdout)


if __name__ == "__main__":
    main()
