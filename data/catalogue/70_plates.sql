-- Subplates offered in the subplate dialog (id_type: valve size, 6 for
-- CETOP 3, 10 for CETOP 5; idbrand: the valve maker) and the complete plate
-- table, which holds the same plates under the same ids, so that a saved
-- configuration finds them again, and the A01 plate of each motor group
-- (id_type = motortype.tok).

INSERT INTO subplate (id, id_type, brand, code, description, euro, stock, idbrand) VALUES
    (1, 6, 'Гидротех', 'SP3-1-G14', 'Плита присоединительная CETOP 3, 1 секция, боковые порты G1/4', 24.00, 1, 1),
    (2, 6, 'Гидротех', 'SP3-1-G38', 'Плита присоединительная CETOP 3, 1 секция, боковые порты G3/8', 26.50, 1, 1),
    (3, 6, 'Гидротех', 'SP3-2-G38', 'Плита моноблок CETOP 3, 2 секции, порты G3/8', 46.00, 1, 1),
    (4, 6, 'Гидротех', 'SP3-3-G38', 'Плита моноблок CETOP 3, 3 секции, порты G3/8', 63.00, 1, 1),
    (5, 6, 'Гидротех', 'SP3-4-G38', 'Плита моноблок CETOP 3, 4 секции, порты G3/8', 81.00, 1, 1),
    (6, 6, 'Гидротех', 'SP3-5-G38', 'Плита моноблок CETOP 3, 5 секций, порты G3/8', 98.00, 0, 1),
    (7, 6, 'Гидротех', 'SP3-M-G38', 'Плита модульная секционная CETOP 3, порты G3/8', 29.00, 1, 1),
    (8, 6, 'Гидротех', 'SP3-E-G38', 'Плита концевая CETOP 3 с портами P/T G3/8', 22.00, 1, 1),
    (9, 6, 'Гидротех', 'SP3-RV-210', 'Плита промежуточная CETOP 3 с клапаном давления в P, 210 бар', 44.00, 1, 1),
    (10, 6, 'Гидротех', 'SP3-CHK-AB', 'Плита промежуточная CETOP 3, гидрозамок двусторонний A/B', 52.00, 1, 1),
    (11, 6, 'Гидротех', 'SP3-THR-AB', 'Плита промежуточная CETOP 3, дроссели с обратными клапанами A/B', 47.00, 0, 1),
    (12, 6, 'Vega Hydraulics', 'VSP3-1-G38', 'Плита присоединительная CETOP 3, 1 секция, нижние порты G3/8', 27.00, 1, 2),
    (13, 10, 'Гидротех', 'SP5-1-G12', 'Плита присоединительная CETOP 5, 1 секция, порты G1/2', 39.00, 1, 1),
    (14, 10, 'Гидротех', 'SP5-2-G12', 'Плита моноблок CETOP 5, 2 секции, порты G1/2', 72.00, 1, 1),
    (15, 10, 'Гидротех', 'SP5-3-G12', 'Плита моноблок CETOP 5, 3 секции, порты G1/2', 104.00, 0, 1),
    (16, 10, 'Гидротех', 'SP5-CHK-AB', 'Плита промежуточная CETOP 5, гидрозамок двусторонний A/B', 79.00, 1, 1);

INSERT INTO subplateall (id, id_type, brand, code, description, euro, stock, idbrand)
    SELECT id, id_type, brand, code, description, euro, stock, idbrand FROM subplate ORDER BY id;

INSERT INTO subplateall (id, id_type, brand, code, description, euro, stock, idbrand) VALUES
    (101, 1, 'Кварцон', 'A01-AC-CETOP3', 'Плита A01 переходная CETOP 3 для агрегатов с двигателем 380/220 В', 36.00, 1, 1),
    (102, 2, 'Кварцон', 'A01-DC-CETOP3', 'Плита A01 переходная CETOP 3 для агрегатов с двигателем 12/24 В', 33.00, 1, 1);
