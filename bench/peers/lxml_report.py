#!/usr/bin/python3
"""What a user would script instead of `veltrix report`: read a stored month file, parse its
rows with lxml and add them up per day. Prints the totals as JSON."""
import json
import sys

import lxml.html

CACHE_KEY = b"KTPW58mnbxz"


def month_text(path):
    data = open(path, "rb").read()
    key = CACHE_KEY * (len(data) // len(CACHE_KEY) + 1)
    return bytes(a ^ b for a, b in zip(data, key)).decode("latin-1")


def main():
    text = month_text(sys.argv[1])
    table = lxml.html.fromstring("<table>" + text + "</table>")
    days = {}
    rows = bandwidth = charged = 0
    for row in table.iter("tr"):
        cells = [cell.text_content().strip() for cell in row.findall("td")]
        day = days.setdefault(cells[2][:10], [0, 0])
        day[0] += int(cells[6])
        day[1] += int(cells[8])
        rows += 1
        bandwidth += int(cells[6])
        charged += int(cells[8])
    json.dump({"rows": rows, "bandwidth_kb": bandwidth, "charged_kb": charged,
               "days": len(days), "row_html_bytes": len(text.encode("utf-8"))}, sys.stdout)


main()
