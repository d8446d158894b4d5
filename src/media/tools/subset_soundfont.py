#!/usr/bin/env python3
"""Write a SoundFont 2 holding only some presets of another, with just the instruments and
samples they use, when the game is built. The music uses four General MIDI programs; the
synthesiser then loads about a hundred kilobytes instead of the whole General MIDI set.

Usage: subset_soundfont.py SOURCE.sf2 OUTPUT.sf2 BANK:PROGRAM...

Every record the kept presets reach is copied unchanged but for its indices, and every sample
keeps its data and the points after its end (where the synthesiser may read while it
interpolates), so the kept presets sound exactly as in the source.
"""
import struct
import sys

PAD_POINTS = 46  # the zero points the format asks for after every sample
GEN_INSTRUMENT = 41
GEN_SAMPLE = 53


def chunks(data, start, end):
    """(id, offset of the body, length) of the chunks in data[start:end]."""
    at = start
    while at + 8 <= end:
        cid, length = data[at:at + 4], struct.unpack_from("<I", data, at + 4)[0]
        yield cid, at + 8, length
        at += 8 + length + (length & 1)


def chunk(cid, body):
    return cid + struct.pack("<I", len(body)) + body + (b"\0" if len(body) & 1 else b"")


def records(body, size):
    return [body[i:i + size] for i in range(0, len(body), size)]


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    source, output = sys.argv[1], sys.argv[2]
    wanted = {tuple(int(x) for x in arg.split(":")) for arg in sys.argv[3:]}
    data = open(source, "rb").read()
    if data[:4] != b"RIFF" or data[8:12] != b"sfbk":
        sys.exit(f"{source}: not a SoundFont 2 file")
    lists = {}
    for cid, at, length in chunks(data, 12, len(data)):
        if cid == b"LIST":
            lists[data[at:at + 4]] = (at + 4, at + length)
    info = data[lists[b"INFO"][0] - 4:lists[b"INFO"][1]]
    sdta = {cid: data[at:at + length] for cid, at, length in chunks(data, *lists[b"sdta"])}
    pdta = {cid: data[at:at + length] for cid, at, length in chunks(data, *lists[b"pdta"])}

    phdr = records(pdta[b"phdr"], 38)
    pbag = records(pdta[b"pbag"], 4)
    pmod = records(pdta[b"pmod"], 10)
    pgen = records(pdta[b"pgen"], 4)
    inst = records(pdta[b"inst"], 22)
    ibag = records(pdta[b"ibag"], 4)
    imod = records(pdta[b"imod"], 10)
    igen = records(pdta[b"igen"], 4)
    shdr = records(pdta[b"shdr"], 46)

    def bag_range(headers, i, offset):
        first = struct.unpack_from("<H", headers[i], offset)[0]
        last = struct.unpack_from("<H", headers[i + 1], offset)[0]
        return range(first, last)

    def zone_lists(bags, i, gens, mods):
        """The generators and modulators of bag i."""
        g0, m0 = struct.unpack("<HH", bags[i])
        g1, m1 = struct.unpack("<HH", bags[i + 1])
        return gens[g0:g1], mods[m0:m1]

    # The layers, from the presets down: which presets, instruments and samples are kept.
    kept_presets = [i for i in range(len(phdr) - 1)
                    if struct.unpack_from("<HH", phdr[i], 20)[::-1] in wanted]
    found = {struct.unpack_from("<HH", phdr[i], 20)[::-1] for i in kept_presets}
    if found != wanted:
        sys.exit(f"{source}: no preset {sorted(wanted - found)}")

    def referenced(headers, bag_offset, bags, gens, index, operator):
        seen = []
        for i in index:
            for b in bag_range(headers, i, bag_offset):
                for g in zone_lists(bags, b, gens, [])[0]:
                    oper, amount = struct.unpack("<HH", g)
                    if oper == operator and amount not in seen:
                        seen.append(amount)
        return seen

    kept_inst = sorted(referenced(phdr, 24, pbag, pgen, kept_presets, GEN_INSTRUMENT))
    kept_samples = set(referenced(inst, 20, ibag, igen, kept_inst, GEN_SAMPLE))
    # A stereo sample brings its other side.
    for s in list(kept_samples):
        sample_type = struct.unpack_from("<H", shdr[s], 44)[0]
        if sample_type & 0x0006 or sample_type & 0x0008:
            kept_samples.add(struct.unpack_from("<H", shdr[s], 42)[0])
    kept_samples = sorted(kept_samples)
    inst_index = {old: new for new, old in enumerate(kept_inst)}
    sample_index = {old: new for new, old in enumerate(kept_samples)}

    def rebuild(headers, header_size, bag_offset, bags, gens, mods, keep, operator, renumber):
        """The kept headers with their bags, generators and modulators, renumbered."""
        out_h, out_b, out_g, out_m = [], [], [], []
        for i in keep:
            h = bytearray(headers[i])
            struct.pack_into("<H", h, bag_offset, len(out_b))
            out_h.append(bytes(h))
            for b in bag_range(headers, i, bag_offset):
                out_b.append(struct.pack("<HH", len(out_g), len(out_m)))
                zone_gens, zone_mods = zone_lists(bags, b, gens, mods)
                for g in zone_gens:
                    oper, amount = struct.unpack("<HH", g)
                    if oper == operator:
                        g = struct.pack("<HH", oper, renumber[amount])
                    out_g.append(g)
                out_m.extend(zone_mods)
        terminal = bytearray(headers[-1])
        struct.pack_into("<H", terminal, bag_offset, len(out_b))
        out_h.append(bytes(terminal))
        out_b.append(struct.pack("<HH", len(out_g), len(out_m)))
        out_g.append(gens[-1])
        out_m.append(mods[-1])
        return out_h, out_b, out_g, out_m

    new_phdr, new_pbag, new_pgen, new_pmod = rebuild(phdr, 38, 24, pbag, pgen, pmod, kept_presets,
                                                     GEN_INSTRUMENT, inst_index)
    new_inst, new_ibag, new_igen, new_imod = rebuild(inst, 22, 20, ibag, igen, imod, kept_inst,
                                                     GEN_SAMPLE, sample_index)

    smpl, sm24 = sdta[b"smpl"], sdta.get(b"sm24")
    points = len(smpl) // 2
    new_smpl, new_sm24, new_shdr = bytearray(), bytearray(), []
    for s in kept_samples:
        h = bytearray(shdr[s])
        start, end, loop_start, loop_end = struct.unpack_from("<IIII", h, 20)
        stop = min(end + PAD_POINTS, points)
        shift = len(new_smpl) // 2 - start
        new_smpl += smpl[2 * start:2 * stop] + b"\0\0" * (end + PAD_POINTS - stop)
        if sm24 is not None:
            new_sm24 += sm24[start:stop] + b"\0" * (end + PAD_POINTS - stop)
        struct.pack_into("<IIII", h, 20, start + shift, end + shift, loop_start + shift, loop_end + shift)
        link = struct.unpack_from("<H", h, 42)[0]
        struct.pack_into("<H", h, 42, sample_index.get(link, 0))
        new_shdr.append(bytes(h))
    new_shdr.append(shdr[-1])

    sdta_body = b"sdta" + chunk(b"smpl", bytes(new_smpl))
    if sm24 is not None:
        sdta_body += chunk(b"sm24", bytes(new_sm24))
    pdta_body = b"pdta" + b"".join(chunk(cid, b"".join(recs)) for cid, recs in (
        (b"phdr", new_phdr), (b"pbag", new_pbag), (b"pmod", new_pmod), (b"pgen", new_pgen),
        (b"inst", new_inst), (b"ibag", new_ibag), (b"imod", new_imod), (b"igen", new_igen),
        (b"shdr", new_shdr)))
    body = b"sfbk" + chunk(b"LIST", info) + chunk(b"LIST", sdta_body) + chunk(b"LIST", pdta_body)
    with open(output, "wb") as out:
        out.write(chunk(b"RIFF", body))


if __name__ == "__main__":
    main()
