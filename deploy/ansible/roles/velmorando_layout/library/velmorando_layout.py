#!/usr/bin/python3
# -*- coding: utf-8 -*-
# Writes a keyboard layout into the till's keyboard with vlat-cli, when the
# keyboard does not hold it already.

from __future__ import annotations

DOCUMENTATION = r"""
---
module: velmorando_layout
short_description: Writes a keyboard layout into a TRV programmable keyboard
description:
  - Compares the keyboard on I(port) with the layout I(layout) (C(vlat-cli compare)) and writes the
    layout (C(vlat-cli download --verify)) only when they differ.
  - A keyboard that cannot be read (checksum error, half-written, unreadable memory) is rewritten;
    the result says why.
  - In check mode the keyboard is only compared; in diff mode the differing keys, layers and card
    reader tracks are shown.
options:
  layout:
    description: The layout file on the till (C(.vld) or C(.mtf)).
    type: path
    required: true
  port:
    description: The keyboard port (vlat-cli C(--port)).
    type: str
    default: /dev/serio_raw0
  cli:
    description: The vlat-cli program.
    type: str
    default: vlat-cli
  data:
    description: Another program folder (vlat-cli C(--data)); empty for the installed one.
    type: str
    default: ""
  backup:
    description:
      - Where the keyboard's previous layout is saved before a write (replaced each time); empty for
        none. Nothing is saved when the keyboard could not be read.
    type: path
    default: ""
  allow_outside:
    description: Write a layout with keys beyond the device's field, leaving those keys out.
    type: bool
    default: false
author: Velmorando AT
"""

RETURN = r"""
reason:
  description: vlat-cli's reason code of the last step (ok, different, checksum, outside-field, ...).
  type: str
  returned: always
outside:
  description: Keys of the layout beyond the device's field.
  type: int
  returned: when the keyboard was compared
repaired:
  description: True when the keyboard could not be read and was (or would be) rewritten.
  type: bool
  returned: always
backup:
  description: The backup written by this run; absent when none was.
  type: str
  returned: when a backup was written
"""

import json
import os

from ansible.module_utils.basic import AnsibleModule

# The keyboard holds something, but not a layout that can be read back: a
# download is what puts it right.
REPAIRABLE = frozenset({"checksum", "read-failed", "data-size", "process-failed"})


def run_cli(module, arguments):
    """vlat-cli --json ARGUMENTS: its exit code and result object."""
    params = module.params
    command = [params["cli"]]
    if params["data"]:
        command += ["--data", params["data"]]
    command += ["--port", params["port"], "--json"] + arguments
    rc, out, err = module.run_command(command, environ_update={"LC_ALL": "C.UTF-8"})
    try:
        result = json.loads(out.strip().splitlines()[-1]) if out.strip() else {}
    except ValueError:
        result = {}
    if not result:
        result = {"reason": "failed", "message": err.strip() or "vlat-cli gave no result"}
    return rc, result


def difference_lines(differences):
    """The keyboard's differences from the layout, one line each, for --diff."""
    lines = []
    for item in differences:
        what = ", ".join(item.get("what", []))
        if "track" in item:
            lines.append("card reader track %s: %s" % (item["track"], what))
            continue
        place = "key %s,%s" % (item.get("column"), item.get("row"))
        if "x" in item:
            place += " (device key %s,%s)" % (item["x"], item["y"])
        layer = item.get("layer")
        place += ", all layers" if layer is None else ", layer %s" % layer
        lines.append("%s: %s" % (place, what))
    return lines


def main():
    module = AnsibleModule(
        argument_spec=dict(
            layout=dict(type="path", required=True),
            port=dict(type="str", default="/dev/serio_raw0"),
            cli=dict(type="str", default="vlat-cli"),
            data=dict(type="str", default=""),
            backup=dict(type="path", default=""),
            allow_outside=dict(type="bool", default=False),
        ),
        supports_check_mode=True,
    )
    params = module.params
    rc, compared = run_cli(module, ["compare", params["layout"], "--yes"])
    reason = compared.get("reason", "failed")
    message = compared.get("message", "")
    outside = compared.get("outside", 0)
    result = dict(changed=False, reason=reason, outside=outside, repaired=False)

    if rc == 0:
        module.exit_json(msg="the keyboard holds the layout", **result)
    repair = reason in REPAIRABLE
    if "equal" not in compared and not repair:
        module.fail_json(msg=message or "the keyboard could not be compared", **result)
    if outside and not params["allow_outside"]:
        result["reason"] = "outside-field"
        module.fail_json(msg="%d keys lie beyond the device's field; set velmorando_allow_outside to write "
                             "the layout without them" % outside, **result)

    if repair:
        lines = ["the keyboard's layout cannot be read (%s): it is rewritten whole" % reason]
        summary = "rewrite the unreadable keyboard (%s)" % reason
    else:
        lines = difference_lines(compared.get("differences", []))
        summary = "%d differences" % len(lines)
    result.update(changed=True, repaired=repair,
                  diff=dict(before_header="keyboard on %s" % params["port"], after_header=params["layout"],
                            prepared="\n".join(lines) + "\n"))
    if module.check_mode:
        module.exit_json(msg="would write the layout: " + summary, **result)

    download = ["download", params["layout"], "--verify", "--yes"]
    if params["allow_outside"]:
        download.append("--allow-outside")
    # An unreadable keyboard has nothing to keep, and reading it would stop the download.
    backup = params["backup"] if params["backup"] and not repair else ""
    if backup:
        download += ["--backup", backup, "--force"]
    rc, written = run_cli(module, download)
    result["reason"] = written.get("reason", "failed")
    if rc != 0:
        result["changed"] = False
        module.fail_json(msg=written.get("message") or "the layout was not written", **result)
    if backup and os.path.exists(backup):
        result["backup"] = backup
    module.exit_json(msg="wrote the layout: " + summary, **result)


if __name__ == "__main__":
    main()
