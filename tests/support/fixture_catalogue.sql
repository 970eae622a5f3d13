-- A small catalogue whose rows the tests know by heart.
INSERT INTO motortype (id, type, tok) VALUES (1, '380 В', 1), (2, '220 В', 1), (3, '24 В', 2), (4, '12 В', 3);
INSERT INTO motor (id, id_type, brand, code, description, euro, stock, rpm, pow, dimid) VALUES
    (1, 1, 'Siemens', 'M-055', 'АИР71А4 0,55 кВт 1400', 80.5, 1, 1400, 0.55, 1),
    (2, 1, 'Siemens', 'M-150', 'АИР80В4 1,5 кВт 1400', 120, 0, 1400, 1.5, 2),
    (3, 1, 'ВЭМЗ', 'M-075', 'АИР71В4 0,75 кВт 1400', 90, 1, 1400, 0.75, 1),
    (4, 1, 'ВЭМЗ', 'M-000', 'Мотор без оборотов', 10, 1, 0, 1.1, 1),
    (5, 3, 'Bosch', 'DC-22', 'Двигатель 24 В 2,2 кВт', 300, 1, 2600, 2.2, 3),
    (6, 2, 'ВЭМЗ', 'M-220', 'АИР63В4 0,37 кВт 220 В', 70, 1, 1400, 1.5, 1);
INSERT INTO starter (id, id_starter, code, description, euro, brand, stock) VALUES
    (1, 3, 'ST-24', 'Стартер 24 В', 45, 'Bosch', 1),
    (2, 3, 'ST-24X', 'Стартер 24 В усиленный', 60, 'Bosch', 0),
    (3, 0, 'CB-1', 'Кабель силовой', 5, 'Кабель', 1),
    (4, 4, 'ST-12', 'Стартер 12 В', 40, 'Bosch', 1);
INSERT INTO pumptype (id, type, description) VALUES (1, 10, 'Группа 1'), (2, 20, 'Группа 2');
INSERT INTO pump (id, id_type, brand, code, description, euro, stock, vol) VALUES
    (1, 10, 'Casappa', 'P-42', 'Насос 4,2 см3/об', 60, 1, 4.2),
    (2, 10, 'Casappa', 'P-27', 'Насос 2,7 см3/об', 55, 0, 2.7),
    (3, 10, 'Casappa', 'P-16', 'Насос 1,6 см3/об', 50, 1, 1.6),
    (4, 20, 'Marzocchi', 'P-80', 'Насос 8 см3/об', 90, 1, 8),
    (5, 20, 'Marzocchi', 'P-00', 'Насос без объема', 1, 1, 0);
INSERT INTO block (id, id_type, brand, code, description, euro, stock, pop) VALUES
    (1, 10, 'К', 'B1-1', 'Плита гр.1 с разгрузкой', 70, 1, 1),
    (2, 10, 'К', 'B1-0', 'Плита гр.1 без разгрузки', 50, 1, 0),
    (3, 20, 'К', 'B2-1', 'Плита гр.2 с разгрузкой', 80, 1, 1),
    (4, 20, 'К', 'B2-0', 'Плита гр.2 без разгрузки', 60, 1, 0);
INSERT INTO poppetall (id, id_type, brand, code, description, euro, stock) VALUES
    (1, 0, 'К', 'RV-0', 'Клапан разгрузки ручной', 30, 1),
    (2, 1, 'К', 'RV-1', 'Клапан разгрузки с электромагнитом', 55, 1),
    (3, 1, 'К', 'RV-2', 'Клапан разгрузки НЗ', 58, 0);
INSERT INTO coil (id, id_type, brand, code, description, euro, stock, volt) VALUES
    (1, 0, 'К', 'C-24', 'Катушка 24 В', 20, 1, 24),
    (2, 0, 'К', 'C-12', 'Катушка 12 В', 20, 0, 12),
    (3, 0, 'К', 'C-220', 'Катушка 220 В', 22, 1, 220);
INSERT INTO socket (id, id_type, brand, code, description, euro, stock, volt) VALUES
    (1, 0, 'К', 'S-12', 'Разъем 12 В', 3, 1, 12),
    (2, 0, 'К', 'S-24', 'Разъем 24 В', 3, 1, 24),
    (3, 0, 'К', 'S-24L', 'Разъем 24 В со светодиодом', 4, 1, 24);
INSERT INTO tanktype (id, type) VALUES (1, 'Горизонтальный'), (2, 'Горизонтальный с уровнем'), (3, 'Вертикальный'), (5, 'Без бака');
INSERT INTO tankall (id, id_type, brand, code, description, euro, stock, gid, dimid, vol) VALUES
    (1, 1, 'К', 'T-10', 'Бак 10 л', 40, 1, 1, 10, 10),
    (2, 1, 'К', 'T-05', 'Бак 5 л', 30, 0, 1, 5, 5),
    (3, 2, 'К', 'T-20', 'Бак 20 л с уровнем', 60, 1, 2, 20, 20),
    (30, 3, 'К', 'TV-15', 'Бак вертикальный 15 л', 70, 1, 2, 15, 15);
INSERT INTO gorl (id, id_type, brand, code, description, euro, stock) VALUES
    (1, 1, 'К', 'G-1', 'Горловина малая', 5, 1),
    (2, 1, 'К', 'G-1X', 'Горловина малая с фильтром', 7, 0),
    (3, 2, 'К', 'G-2', 'Горловина большая', 8, 1);
INSERT INTO bracket (id, id_type, brand, code, description, euro, stock) VALUES (1, 0, 'К', 'BR-1', 'Лапы', 6, 1);
INSERT INTO flow (id, id_type, brand, code, description, euro, stock) VALUES
    (1, 0, 'К', 'F-1', 'Дроссель 1', 12, 1), (2, 0, 'К', 'F-2', 'Дроссель 2', 14, 0);
INSERT INTO plastic (id, id_type, brand, code, description, euro, stock) VALUES (1, 0, 'К', 'PL-1', 'Обратный пластик', 2, 1);
INSERT INTO filter (id, id_type, brand, code, description, euro, stock) VALUES
    (1, 0, 'К', 'FL-1', 'Фильтр сливной', 15, 1), (2, 1, 'К', 'FL-2', 'Фильтр напорный', 25, 1);
INSERT INTO sfilter (id, id_type, brand, code, description, euro, stock) VALUES (1, 0, 'К', 'SF-1', 'Фильтр всасывающий', 9, 1);
INSERT INTO plug (id, id_type, brand, code, description, euro, stock) VALUES (1, 0, 'К', 'PG-1', 'Заглушка', 1, 1);
INSERT INTO coupling (id, id_type, brand, code, description, euro, stock) VALUES
    (1, 1, 'К', 'CP-1', 'Муфта 1', 10, 0),
    (2, 1, 'К', 'CP-1B', 'Муфта 1Б', 11, 1),
    (3, 2, 'К', 'CP-2', 'Муфта 2', 12, 1);
INSERT INTO control (id, id_type, brand, code, description, euro, stock) VALUES
    (1, 0, 'К', 'RC-1', 'Пульт выносной', 25, 1), (2, 1, 'К', 'RC-2', 'Пульт радио', 80, 1);
INSERT INTO manometr (id, id_type, brand, code, description, euro, stock, kol) VALUES
    (17, 1, 'К', 'MN-17', 'Манометр 0-250 бар', 14, 1, 1),
    (18, 1, 'К', 'MN-18', 'Манометр 0-400 бар', 16, 1, 1),
    (19, 4, 'К', 'MN-19', 'Манометр с уровнем', 18, 1, 1),
    (20, 0, 'К', 'AD-1', 'Переходник манометра', 3, 1, 1),
    (21, 2, 'К', 'AD-2', 'Переходник фильтра', 2, 1, 2),
    (22, 3, 'К', 'AD-3', 'Болты плиты', 1, 1, 4);
INSERT INTO subplate (id, id_type, brand, code, description, euro, stock, idbrand) VALUES
    (1, 0, 'К', 'SP-1', 'Плита промежуточная Ду6', 20, 1, 1);
INSERT INTO subplateall (id, id_type, brand, code, description, euro, stock, idbrand) VALUES
    (1, 1, 'К', 'A01-1', 'Плита A01 для 380/220 В', 25, 1, 1),
    (2, 2, 'К', 'A01-2', 'Плита A01 для 24 В', 26, 1, 1);
INSERT INTO v_brand (id, brand) VALUES (1, 'Argo'), (2, 'Duplomatic');
INSERT INTO v_volt (id, volt, tex) VALUES (1, 24, '24 В'), (2, 220, '220 В'), (3, 0, 'Без катушки');
INSERT INTO vv_brand (id, brand) VALUES (1, 1);
INSERT INTO vv_volt (id, volt) VALUES (1, 24);
INSERT INTO valveall (id, id_type, brand, code, description, euro, stock, spool, volt, spooll, spoold) VALUES
    (1, 1, 'Argo', 'V-1', 'Распределитель Ду6 24 В', 90, 1, 1, 24, 'E', 'E'),
    (2, 2, 'Duplomatic', 'V-2', 'Распределитель Ду6 220 В', 95, 1, 2, 220, 'H', 'H');
INSERT INTO v_spool (id, spool) VALUES (1, 1), (2, 2);
-- Rows an earlier run left in the scratch tables.
INSERT INTO userplate (id_type, brand, code, description, euro, stock, kol, id) VALUES (0, '', 'SP-1', 'Плита промежуточная Ду6', 20, 1, 2, 1);
INSERT INTO uservalve (id_type, brand, code, description, euro, stock, kol, volt, id_code, id) VALUES (1, '', 'V-1', 'Распределитель', 90, 1, 1, '24 В', 1, 1);
