#!/usr/bin/python3
"""What a user would script instead of `veltrix check`: log into the portal with requests,
walk the month's record pages with BeautifulSoup and add the rows up. Prints the totals as
JSON. Usage: bs4_walker.py URL USER PASSWORD"""
import json
import sys
from urllib.parse import urljoin

import requests
from bs4 import BeautifulSoup


def main():
    base, user, password = sys.argv[1:4]
    session = requests.Session()
    session.post(urljoin(base, "login"), data={"username": user, "Password": password})
    page = session.get(urljoin(base, "records/Results"), params={"querydate": 0})
    pages = rows = bandwidth = charged = 0
    while True:
        pages += 1
        soup = BeautifulSoup(page.text, "html.parser")
        for row in soup.find_all("table")[4].find_all("tr")[2:]:
            cells = [cell.get_text(strip=True) for cell in row.find_all("td")]
            rows += 1
            bandwidth += int(cells[6])
            charged += int(cells[8])
        link = soup.find("a", string="Next Page")
        if link is None:
            break
        page = session.get(urljoin(page.url, link["href"]))
    json.dump({"pages": pages, "rows": rows, "bandwidth_kb": bandwidth, "charged_kb": charged},
              sys.stdout)


main()
