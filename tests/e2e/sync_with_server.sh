#!/bin/bash
# Two databases kept in agreement through a real CalDAV/CardDAV server: Radicale on
# 127.0.0.1 with a temporary storage and no authentication, vdirsyncer between the server
# and each database's folders, orvane-cli sync between each database and its folders.
# Usage: sync_with_server.sh ORVANE_CLI
set -euo pipefail

CLI=$1
for tool in radicale vdirsyncer curl; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

T=$(mktemp -d /tmp/orvane-sync-e2e-XXXXXX)
SERVER=
cleanup() {
    if [ -n "$SERVER" ]; then
        kill "$SERVER" 2>/dev/null || true
        wait "$SERVER" 2>/dev/null || true
    fi
    rm -rf "$T"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
export XDG_DATA_HOME=$T/data XDG_CONFIG_HOME=$T/config HOME=$T

fail() { echo "FAIL: $*"; exit 1; }
expect() {  # expect TEXT FILE-OR-OUTPUT DESCRIPTION
    grep -qF -- "$1" <<<"$2" || fail "$3: no \"$1\" in:"$'\n'"$2"
}
refuse() {
    ! grep -qF -- "$1" <<<"$2" || fail "$3: \"$1\" still in:"$'\n'"$2"
}

# A free port on the loopback address, then the server on it.
PORT=$(/usr/bin/env python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
radicale --config "" --server-hosts "127.0.0.1:$PORT" --storage-filesystem-folder "$T/server" \
         --auth-type none --rights-type owner_only >"$T/radicale.log" 2>&1 &
SERVER=$!
# Should this script be killed outright (a timeout), the server still goes.
(while kill -0 $$ 2>/dev/null; do sleep 1; done; kill "$SERVER" 2>/dev/null) >/dev/null 2>&1 &
URL=http://127.0.0.1:$PORT/test
for _ in $(seq 50); do
    curl -s -o /dev/null -u test:test "$URL/" && break
    sleep 0.1
done
curl -s -o /dev/null -u test:test "$URL/" || fail "Radicale did not start: $(cat "$T/radicale.log")"

# An address book and a calendar for both kinds of item.
curl -sf -u test:test -X MKCOL "$URL/contacts/" -H 'Content-Type: application/xml' --data \
 '<?xml version="1.0"?><mkcol xmlns="DAV:" xmlns:C="urn:ietf:params:xml:ns:carddav"><set><prop>
  <resourcetype><collection/><C:addressbook/></resourcetype></prop></set></mkcol>' >/dev/null
curl -sf -u test:test -X MKCALENDAR "$URL/calendar/" >/dev/null

# Each database with its two folders and its vdirsyncer configuration.
for side in A B; do
    mkdir -p "$T/$side/contacts" "$T/$side/calendar" "$T/$side/status"
    cat >"$T/$side/vdirsyncer.conf" <<CONF
[general]
status_path = "$T/$side/status/"

[pair contacts]
a = "contacts_local"
b = "contacts_server"
collections = null

[storage contacts_local]
type = "filesystem"
path = "$T/$side/contacts/"
fileext = ".vcf"

[storage contacts_server]
type = "carddav"
url = "$URL/contacts/"
username = "test"
password = "test"

[pair calendar]
a = "calendar_local"
b = "calendar_server"
collections = null

[storage calendar_local]
type = "filesystem"
path = "$T/$side/calendar/"
fileext = ".ics"

[storage calendar_server]
type = "caldav"
url = "$URL/calendar/"
username = "test"
password = "test"
CONF
    printf '<?xml version="1.0"?>\n<Pim Version="1">\n</Pim>\n' >"$T/$side.pgr"
    vdirsyncer -c "$T/$side/vdirsyncer.conf" discover >/dev/null 2>&1 </dev/null ||
        fail "vdirsyncer discover for $side"
done

orvane() {  # orvane SIDE [options]: sync the side's database with its folders
    local side=$1
    shift
    "$CLI" sync "$T/$side.pgr" --contacts "$T/$side/contacts" --calendar "$T/$side/calendar" "$@"
}
server() { vdirsyncer -c "$T/$1/vdirsyncer.conf" sync >"$T/vdirsyncer.log" 2>&1 || fail "vdirsyncer $1: $(cat "$T/vdirsyncer.log")"; }
dump() { "$CLI" dump "$T/$1.pgr"; }
# A round: one side's changes through its folders to the server and on to the other side.
carry() {  # carry FROM TO
    orvane "$1" >/dev/null || fail "sync $1"
    server "$1"
    server "$2"
    orvane "$2"
}

# 1. A person, a task and an appointment with an alarm, added in A, reach B.
cat >"$T/in.vcf" <<'VCF'
BEGIN:VCARD
VERSION:3.0
UID:ann-lane
N:Lane;Ann;;;
FN:Ann Lane
TEL;TYPE=cell:555-0100
EMAIL:ann@example.org
END:VCARD
VCF
cat >"$T/in.ics" <<'ICS'
BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//Test//EN
BEGIN:VTODO
UID:task-1
DTSTAMP:20300101T000000Z
SUMMARY:Water the plants
DUE;VALUE=DATE:20300102
PRIORITY:1
END:VTODO
BEGIN:VEVENT
UID:event-1
DTSTAMP:20300101T000000Z
DTSTART:20300103T100000
DTEND:20300103T110000
SUMMARY:Dentist
BEGIN:VALARM
ACTION:DISPLAY
DESCRIPTION:Dentist
TRIGGER:-PT15M
END:VALARM
END:VEVENT
END:VCALENDAR
ICS
"$CLI" import vcard "$T/A.pgr" "$T/in.vcf" >/dev/null
"$CLI" import ical "$T/A.pgr" "$T/in.ics" >/dev/null
out=$(carry A B)
expect "3 added here, 0 added there" "$out" "B takes what A added"
B=$(dump B)
expect '"FName": "Ann"' "$B" "the person in B"
expect '"Description": "Water the plants"' "$B" "the task in B"
expect '"Description": "Dentist"' "$B" "the appointment in B"
expect '"AlarmTime": "2030-01-03T09:45:00"' "$B" "the appointment's alarm in B"

# 2. An edit in B comes back to A.
sed -i 's/Description="Dentist"/Description="Dentist, Dr. Mendes"/' "$T/B.pgr"
out=$(carry B A)
expect "1 changed here" "$out" "A takes B's edit"
expect '"Description": "Dentist, Dr. Mendes"' "$(dump A)" "the edited appointment in A"

# 3. A deletion in A deletes in B.
sed -i '/<Task /d' "$T/A.pgr"
out=$(carry A B)
expect "1 deleted" "$out" "B deletes what A deleted"
refuse "Water the plants" "$(dump B)" "the deleted task in B"

# 4. A birthday and a second e-mail added on the server survive an edit of the person in A.
card=$(curl -sf -u test:test "$URL/contacts/ann-lane.vcf") || fail "the card on the server"
card=$(sed 's/^END:VCARD/BDAY:1990-04-01\r\nEMAIL;TYPE=work:ann@work.example\r\nEND:VCARD/' <<<"$card")
curl -sf -u test:test -X PUT -H 'Content-Type: text/vcard' --data-binary "$card" \
     "$URL/contacts/ann-lane.vcf" >/dev/null || fail "PUT on the server"
server A
orvane A >/dev/null
sed -i 's/CelPhone="555-0100"/CelPhone="555-0199"/' "$T/A.pgr"
orvane A >/dev/null
server A
card=$(curl -sf -u test:test "$URL/contacts/ann-lane.vcf")
expect "555-0199" "$card" "A's edit on the server"
expect "BDAY:1990-04-01" "$card" "the server's birthday"
expect "ann@work.example" "$card" "the server's second e-mail"
server B
orvane B >/dev/null

# 5. Both sides edit the appointment; B's sync keeps its own version, as its rule says.
sed -i 's/Description="Dentist, Dr. Mendes"/Description="Dentist at 10"/' "$T/A.pgr"
sed -i 's/Description="Dentist, Dr. Mendes"/Description="Dentist moved"/' "$T/B.pgr"
orvane A >/dev/null
server A
server B
out=$(orvane B --conflicts database)
expect "1 conflict (database won)" "$out" "the conflict in B"
ls "$T/B/calendar/"*.conflict >/dev/null 2>&1 || fail "the folder's version kept beside the item"
out=$(carry B A)
expect "1 changed here" "$out" "A takes the winner"
expect '"Description": "Dentist moved"' "$(dump A)" "the winning version in A"
echo "PASS"
