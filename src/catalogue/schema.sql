-- The catalogue of Кварцон: every table the program reads or writes.
-- Column types: auto-number = INTEGER PRIMARY KEY AUTOINCREMENT, boolean = INTEGER 0/1,
-- text(n) = TEXT limited to n characters.
-- Every statement ends with a semicolon at the end of its line.

CREATE TABLE motortype (
    id   INTEGER PRIMARY KEY AUTOINCREMENT,
    type TEXT CHECK (length(type) <= 10),
    tok  INTEGER
);

CREATE TABLE motor (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1)),
    rpm         REAL,
    pow         REAL,
    dimid       INTEGER
);

CREATE TABLE starter (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_starter  INTEGER,
    code        TEXT CHECK (length(code) <= 20),
    description TEXT CHECK (length(description) <= 50),
    euro        REAL,
    brand       TEXT CHECK (length(brand) <= 50),
    stock       INTEGER CHECK (stock IN (0, 1))
);

CREATE TABLE pumptype (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    type        INTEGER,
    description TEXT CHECK (length(description) <= 20)
);

CREATE TABLE pump (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1)),
    vol         REAL
);

-- Central plates are kept in one editable table; pop tells a plate with an
-- unloading relief valve seat (pop <> 0) from one without (pop = 0).
CREATE TABLE block (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1)),
    pop         INTEGER NOT NULL DEFAULT 1
);

CREATE VIEW block1 AS
    SELECT id, id_type, brand, code, description, euro, stock, pop FROM block WHERE pop <> 0;

CREATE VIEW block0 AS
    SELECT id, id_type, brand, code, description, euro, stock, pop FROM block WHERE pop = 0;

CREATE TABLE poppetall (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1))
);

CREATE VIEW poppet AS
    SELECT id, id_type, brand, code, description, euro, stock FROM poppetall;

CREATE TABLE coil (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1)),
    volt        INTEGER
);

CREATE TABLE socket (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1)),
    volt        INTEGER
);

CREATE TABLE tanktype (
    id   INTEGER PRIMARY KEY AUTOINCREMENT,
    type TEXT CHECK (length(type) <= 50)
);

CREATE TABLE tankall (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1)),
    gid         INTEGER,
    dimid       INTEGER,
    vol         INTEGER
);

CREATE VIEW tank AS
    SELECT id, id_type, brand, code, description, euro, stock, gid, dimid, vol FROM tankall;

CREATE TABLE bracket (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1))
);

CREATE TABLE flow (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1))
);

CREATE TABLE plastic (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1))
);

CREATE TABLE filter (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1))
);

CREATE TABLE sfilter (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1))
);

CREATE TABLE gorl (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1))
);

CREATE TABLE plug (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1))
);

CREATE TABLE coupling (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1))
);

CREATE TABLE control (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1))
);

CREATE TABLE manometr (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1)),
    kol         INTEGER
);

CREATE TABLE subplate (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1)),
    idbrand     INTEGER
);

CREATE TABLE subplateall (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1)),
    idbrand     INTEGER
);

-- id_type is the maker (v_brand.id), volt the coil voltage (v_volt.volt).
CREATE TABLE valveall (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 50),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1)),
    spool       INTEGER,
    volt        INTEGER,
    spooll      TEXT CHECK (length(spooll) <= 3),
    spoold      TEXT CHECK (length(spoold) <= 3)
);

CREATE TABLE v_brand (
    id    INTEGER PRIMARY KEY AUTOINCREMENT,
    brand TEXT CHECK (length(brand) <= 20)
);

CREATE TABLE v_volt (
    id   INTEGER PRIMARY KEY AUTOINCREMENT,
    volt INTEGER,
    tex  TEXT CHECK (length(tex) <= 20)
);

-- One-row holders of the maker and voltage chosen in the valve dialog.
CREATE TABLE vv_brand (
    id    INTEGER PRIMARY KEY AUTOINCREMENT,
    brand INTEGER
);

CREATE TABLE vv_volt (
    id   INTEGER PRIMARY KEY AUTOINCREMENT,
    volt INTEGER
);

-- The valves of the maker and voltage held in vv_brand and vv_volt.
CREATE VIEW valve AS
    SELECT v.id, v.id_type, v.brand, v.code, v.description, v.euro, v.stock,
           v.spooll, v.spoold, v.spool
    FROM valveall AS v
    JOIN vv_brand AS b ON v.id_type = b.brand
    JOIN vv_volt AS t ON v.volt = t.volt;

CREATE TABLE v_spool (
    id    INTEGER PRIMARY KEY AUTOINCREMENT,
    spool INTEGER
);

-- Scratch tables of the configuration being edited; id is the catalogue key.
CREATE TABLE userplate (
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1)),
    kol         INTEGER,
    id          INTEGER
);

CREATE TABLE uservalve (
    id_type     INTEGER,
    brand       TEXT CHECK (length(brand) <= 20),
    code        TEXT CHECK (length(code) <= 255),
    description TEXT CHECK (length(description) <= 255),
    euro        REAL,
    stock       INTEGER CHECK (stock IN (0, 1)),
    kol         INTEGER,
    volt        TEXT CHECK (length(volt) <= 20),
    id_code     INTEGER,
    id          INTEGER
);

-- Specification lines keep whole catalogue texts, so description and code
-- carry no length limit.
CREATE TABLE report (
    n           INTEGER,
    description TEXT,
    code        TEXT,
    kol         INTEGER,
    cena        REAL,
    summa       REAL,
    cenap       REAL
);
