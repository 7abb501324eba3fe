-- VELTRO.ERP demo: a small plant making painted cabinets, brackets, shelving and shelves from
-- sheet steel, tube and RAL powder paints. Loaded after schema.sql, as the superuser.
-- Dates are relative to the day of loading, so that the production journal opens on today's
-- records.
--
-- Walk-through of the order lines (mnf_app.app_spec):
--   1  order 1  Кронштейн КР-40 x100   state 3, received into the finished-goods store (order 4)
--   2  order 1  Шкаф ШР-1 x10          state 3, ready for receipt
--   3  order 2  Стеллаж СТ-2000 x20    state 2, cutting done, welding 8 of 20 (records today)
--   4  order 2  Кронштейн КР-40 x200   state 2, issued, nothing recorded yet
--   5  order 3  Шкаф ШР-1 x15          state 1, blank store chosen, paint store not yet
--   6  order 3  Кронштейн КР-40 x50    state 1, no store chosen
--   7  order 3  Шкаф ШР-1 в сборе x4   state 1, material taken from the finished-goods store
--   8  order 4  Стеллаж СТ-2000 x10    state 0, tube short: launching raises a purchase request
--   9  order 4  Шкаф ШР-1 x60          state 0, blanks short: launching raises an order for blanks
--  10  order 4  Полка ПЛ-800 x30       state 0, unpainted
--  11  order 5  Стеллаж СТ-2000 x8     state 0, purchase request 3 already raised for it
--  12  order 5  Кронштейн КР-40 x40    state 0, stock suffices: can be launched
--  13  order 6  Кронштейн КР-40 x100   state 0, in-house order for stock

\set ON_ERROR_STOP on
set client_min_messages = warning;

------------------------------------------------------------------------------------------
-- Login users (cluster-wide roles, members of veltro_users)
------------------------------------------------------------------------------------------

do $$
declare
  u record;
begin
  for u in select * from (values ('master', 'master1'), ('clerk_a', 'clerk1'), ('econom', 'econom1')) v(name, password)
  loop
    if not exists (select 1 from pg_roles where rolname = u.name) then
      begin
        execute format('create role %I login password %L', u.name, u.password);
      exception when duplicate_object then null;
      end;
    end if;
    if not exists (select 1 from pg_auth_members m
                   join pg_roles r on r.oid = m.roleid and r.rolname = 'veltro_users'
                   join pg_roles l on l.oid = m.member and l.rolname = u.name) then
      execute format('grant veltro_users to %I', u.name);
    end if;
    execute format('alter role %I set datestyle = %L', u.name, 'ISO, DMY');
  end loop;
end
$$;

------------------------------------------------------------------------------------------
-- Departments and stores
------------------------------------------------------------------------------------------

insert into cmn_department.department (id, s_caption, s_description, id_parent, type, s_type) values
  (1,  'Администрация',            'Руководство предприятия',                     0, -1, ''),
  (2,  'Производственный цех',     'Изготовление и окраска изделий',              0, -1, ''),
  (3,  'Участок заготовки',        'Резка, гибка и сварка',                       2, -1, ''),
  (4,  'Участок покраски',         'Порошковая окраска, сборка и упаковка',       2, -1, ''),
  (5,  'Склад сырья',              'Металлопрокат, метизы, краски',               0,  2, 'Склад сырья'),
  (6,  'Склад заготовок',          'Заготовки собственного производства',         2,  1, 'Склад заготовок'),
  (7,  'Склад готовой продукции',  'Готовые изделия к отгрузке',                  0,  0, 'Склад ГП'),
  (8,  'Бухгалтерия',              'Учёт и экономика',                            1, -1, ''),
  (9,  'Отдел снабжения',          'Закупка материалов',                          1, -1, ''),
  (10, 'Отдел продаж',             'Работа с заказчиками',                        1, -1, '');

insert into hrms_staffpos.staffpos (id, id_department, s_caption, s_description, d_begin) values
  (1,  1,  'Директор',               'Общее руководство',                       current_date - 1500),
  (2,  2,  'Мастер смены',           'Руководство сменой, учёт выработки',      current_date - 1500),
  (3,  3,  'Резчик',                 'Раскрой листа и трубы',                   current_date - 1500),
  (4,  3,  'Оператор листогиба',     'Гибка заготовок',                         current_date - 1500),
  (5,  3,  'Сварщик',                'Сварка каркасов и корпусов',              current_date - 1500),
  (6,  4,  'Маляр',                  'Порошковая окраска',                      current_date - 1500),
  (7,  4,  'Упаковщик',              'Сборка и упаковка изделий',               current_date - 1500),
  (8,  5,  'Кладовщик',              'Приём и выдача ТМЦ',                      current_date - 1500),
  (9,  8,  'Экономист',              'Себестоимость, табель, расчёт сдельной оплаты', current_date - 1500),
  (10, 9,  'Менеджер по снабжению',  'Заявки на закупку',                       current_date - 1500),
  (11, 10, 'Менеджер по продажам',   'Заявки заказчиков',                       current_date - 1500);

insert into adm_role.roles (id, s_name, s_caption, d_begin, d_end, b_active) values
  (1, 'admin',   'Администратор',       current_date - 400, null, true),
  (2, 'master',  'Мастер производства', current_date - 400, null, true),
  (3, 'worker',  'Рабочий',             current_date - 400, null, true),
  (4, 'store',   'Кладовщик',           current_date - 400, null, true),
  (5, 'econ',    'Экономист',           current_date - 400, null, true),
  (6, 'manager', 'Менеджер',            current_date - 400, null, true),
  (7, 'guest',   'Гость',               current_date - 200, current_date - 30, false);

insert into cmn_contractor.person (id, s_caption, s_second_name, s_first_name, s_third_name,
                                   b_employee, id_staffpos, id_department, id_role, s_code) values
  (1,  'Соколов Андрей Викторович',     'Соколов',    'Андрей',  'Викторович',    true,  1,  1,  1, '0001'),
  (2,  'Кузнецов Игорь Петрович',       'Кузнецов',   'Игорь',   'Петрович',      true,  2,  2,  2, '0002'),
  (3,  'Морозова Елена Сергеевна',      'Морозова',   'Елена',   'Сергеевна',     true,  8,  5,  4, '0003'),
  (4,  'Волкова Наталья Андреевна',     'Волкова',    'Наталья', 'Андреевна',     true,  9,  8,  5, '0004'),
  (5,  'Попов Дмитрий Александрович',   'Попов',      'Дмитрий', 'Александрович', true,  3,  3,  3, '0005'),
  (6,  'Лебедев Сергей Николаевич',     'Лебедев',    'Сергей',  'Николаевич',    true,  3,  3,  3, '0006'),
  (7,  'Новиков Алексей Иванович',      'Новиков',    'Алексей', 'Иванович',      true,  4,  3,  3, '0007'),
  (8,  'Козлов Максим Олегович',        'Козлов',     'Максим',  'Олегович',      true,  4,  3,  3, '0008'),
  (9,  'Степанов Виктор Павлович',      'Степанов',   'Виктор',  'Павлович',      true,  5,  3,  3, '0009'),
  (10, 'Павлов Роман Юрьевич',          'Павлов',     'Роман',   'Юрьевич',       true,  5,  3,  3, '0010'),
  (11, 'Семёнов Артём Дмитриевич',      'Семёнов',    'Артём',   'Дмитриевич',    true,  6,  4,  3, '0011'),
  (12, 'Голубев Николай Васильевич',    'Голубев',    'Николай', 'Васильевич',    true,  6,  4,  3, '0012'),
  (13, 'Виноградов Евгений Михайлович', 'Виноградов', 'Евгений', 'Михайлович',    true,  7,  4,  3, '0013'),
  (14, 'Богданова Ольга Игоревна',      'Богданова',  'Ольга',   'Игоревна',      true,  10, 9,  6, '0014'),
  (15, 'Орлова Марина Викторовна',      'Орлова',     'Марина',  'Викторовна',    true,  11, 10, 6, '0015'),
  -- a former employee: kept for the history, not listed among the workers
  (16, 'Фёдоров Павел Ильич',           'Фёдоров',    'Павел',   'Ильич',         false, 3,  3,  7, '0016');

insert into cmn_contractor.jur_person (id, s_caption, s_full_caption, s_ogrn, s_inn) values
  (2, 'ООО «СтальПрофи»',     'Общество с ограниченной ответственностью «СтальПрофи»',     '1157746123456', '7701234567'),
  (3, 'ООО «Колор-Маркет»',   'Общество с ограниченной ответственностью «Колор-Маркет»',   '1127847456789', '7802345678'),
  (4, 'ООО «СтройДом»',       'Общество с ограниченной ответственностью «СтройДом»',       '1096658012345', '6658345678'),
  (5, 'ООО «Метиз-Центр»',    'Общество с ограниченной ответственностью «Метиз-Центр»',    '1185260007891', '5260456789'),
  (6, 'АО «ТеплоСтрой»',      'Акционерное общество «ТеплоСтрой»',                         '1027700132195', '7703567890'),
  (7, 'ООО «ЭлектроМонтаж»',  'Общество с ограниченной ответственностью «ЭлектроМонтаж»',  '1207700345612', '7714678901');

insert into adm_user.users (id, s_name, s_caption, d_registered, b_active, id_person) values
  (1, 'master',  'Кузнецов И.П.', current_date - 300, true, 2),
  (2, 'clerk_a', 'Морозова Е.С.', current_date - 300, true, 3),
  (3, 'econom',  'Волкова Н.А.',  current_date - 300, true, 4);

insert into cmn_msm.msm (id, s_code, s_caption, s_identification, n_round) values
  (1, '166', 'Килограмм',       'кг',   3),
  (2, '006', 'Метр',            'м',    2),
  (3, '112', 'Литр',            'л',    2),
  (5, '625', 'Лист',            'лист', 0),
  (6, '055', 'Квадратный метр', 'м2',   2),
  (7, '778', 'Упаковка',        'уп',   0);

insert into cmn_inventory_items.nomenclature (id, s_caption, id_department) values
  (1, 'Металлопрокат',     5),
  (2, 'Заготовки',         6),
  (3, 'Готовая продукция', 7),
  (4, 'Метизы',            5);
update cmn_inventory_items.nomenclature set id_department = 5 where id = 7;

insert into mnf_operation.operation_type (id, s_caption, s_description) values
  (1, 'Резка',    'Раскрой листа и трубы в размер'),
  (2, 'Гибка',    'Гибка на листогибочном прессе'),
  (3, 'Сварка',   'Полуавтоматическая сварка'),
  (4, 'Покраска', 'Порошковая окраска с полимеризацией'),
  (5, 'Упаковка', 'Упаковка в плёнку и картон'),
  (6, 'Сборка',   'Установка фурнитуры и комплектующих'),
  (7, 'Зачистка', 'Зачистка сварных швов');

------------------------------------------------------------------------------------------
-- Items (ТМЦ): raw materials (type 0), blanks (1), products (2), paints (3)
------------------------------------------------------------------------------------------

insert into cmn_inventory_items.inventory_items
  (id, marka, id_nom, id_type, id_msm, massa, width, thick, ral, ral_cons, cost_price) values
  (1,  'Лист 08пс 1,5 мм',              1, 0, 1, 0,    2500, 1.5, false, 0,    92.5),
  (2,  'Лист 08пс 2,0 мм',              1, 0, 1, 0,    2500, 2.0, false, 0,    95),
  (3,  'Труба профильная 40х20х2',      1, 0, 2, 0,    6000, 2.0, false, 0,    145),
  (4,  'Лист оцинкованный 0,7 мм',      1, 0, 1, 0,    2000, 0.7, false, 0,    110),
  (5,  'RAL 9016',                      7, 3, 1, 0,    0,    0,   false, 0,    420),
  (6,  'RAL 7024',                      7, 3, 1, 0,    0,    0,   false, 0,    435),
  (7,  'RAL 3005',                      7, 3, 1, 0,    0,    0,   false, 0,    450),
  (8,  'RAL 8017',                      7, 3, 1, 0,    0,    0,   false, 0,    440),
  (9,  'Заготовка корпуса ШР-1',        2, 1, 4, 4.2,  600,  1.5, false, 0,    420),
  (10, 'Заготовка двери ШР-1',          2, 1, 4, 2.8,  580,  1.5, false, 0,    280),
  (11, 'Заготовка кронштейна КР-40',    2, 1, 4, 0.6,  200,  2.0, false, 0,    60),
  (12, 'Шкаф распределительный ШР-1',   3, 2, 4, 1,    600,  1.5, true,  0.35, 1450),
  (13, 'Кронштейн КР-40 окрашенный',    3, 2, 4, 0.6,  200,  2.0, true,  0.05, 87.4),
  (14, 'Стеллаж СТ-2000',               3, 2, 4, 12,   2000, 2.0, true,  0.8,  2900),
  (15, 'Полка ПЛ-800',                  3, 2, 4, 3.1,  800,  0.7, false, 0,    390),
  (16, 'Короб кабельный КК-100',        3, 2, 4, 1.4,  2000, 0.7, true,  0.1,  0),
  (17, 'Болт М8х20',                    4, 0, 4, 0,    20,   8,   false, 0,    4.2),
  (18, 'Панель монтажная ПМ-600',       3, 2, 4, 2.5,  600,  2.0, false, 0,    0),
  (19, 'Шкаф ШР-1 в сборе с панелью',   3, 2, 4, 1,    600,  1.5, true,  0.02, 0);

-- Technological processes: product from material. Item 16 has none; process 8 has no
-- operations yet.
insert into mnf_proc_tech.proc_tech (id, s_caption, id_inventory_items, id_gds) values
  (1, 'Раскрой корпуса ШР-1',          9,  1),
  (2, 'Раскрой двери ШР-1',            10, 1),
  (3, 'Заготовка кронштейна КР-40',    11, 2),
  (4, 'Изготовление шкафа ШР-1',       12, 9),
  (5, 'Изготовление кронштейна КР-40', 13, 2),
  (6, 'Изготовление стеллажа СТ-2000', 14, 3),
  (7, 'Изготовление полки ПЛ-800',     15, 4),
  (8, 'Панель ПМ-600 (в разработке)',  18, 2),
  (9, 'Сборка шкафа ШР-1 с панелью',   19, 12);

-- Priced operations; result 1 yields a blank, 0 the finished product.
insert into mnf_operation.operation (id, id_proc_tech, id_inventory_items, id_type, id_state, price, orderby) values
  (1,  1, 9,  1, 1, 15.00, 1),
  (2,  1, 9,  2, 1, 12.50, 2),
  (3,  2, 10, 1, 1, 10.00, 1),
  (4,  2, 10, 2, 1, 8.50,  2),
  (5,  3, 11, 1, 1, 3.20,  1),
  (6,  3, 11, 2, 1, 2.80,  2),
  (7,  4, 12, 3, 1, 45.00, 1),
  (8,  4, 12, 4, 0, 38.50, 2),
  (9,  4, 12, 6, 0, 25.00, 3),
  (10, 4, 12, 5, 0, 6.00,  4),
  (11, 5, 13, 1, 1, 4.50,  1),
  (12, 5, 13, 2, 1, 3.50,  2),
  (13, 5, 13, 4, 0, 5.00,  3),
  (14, 5, 13, 5, 0, 1.20,  4),
  (15, 6, 14, 1, 1, 20.00, 1),
  (16, 6, 14, 3, 1, 55.00, 2),
  (17, 6, 14, 7, 1, 15.00, 3),
  (18, 6, 14, 4, 0, 40.00, 4),
  (19, 6, 14, 5, 0, 10.00, 5),
  (20, 7, 15, 1, 1, 6.00,  1),
  (21, 7, 15, 2, 1, 5.00,  2),
  (22, 7, 15, 5, 0, 2.00,  3),
  (23, 9, 19, 6, 0, 30.00, 1),
  (24, 9, 19, 5, 0, 6.00,  2);

------------------------------------------------------------------------------------------
-- Customer orders and their lines
------------------------------------------------------------------------------------------

insert into mnf_app.app_doc (id, d_date, id_jur_person, id_person, d_mnf, d_out, m_id, id_app_doc, id_app_spec) values
  (1, current_date - 30 + time '09:15', 4, 15, current_date - 20, current_date - 10, null, 0, null),
  (2, current_date - 12 + time '10:40', 6, 15, current_date - 3,  current_date + 7,  null, 0, null),
  (3, current_date - 6  + time '11:05', 4, 15, current_date + 2,  current_date + 12, null, 0, null),
  (4, current_date - 3  + time '14:20', 7, 15, current_date + 5,  current_date + 15, null, 0, null),
  (5, current_date - 1  + time '16:30', 6, 15, current_date + 7,  current_date + 20, null, 0, null),
  -- in-house order for stock, raised by the shift master (user 1)
  (6, current_date      + time '08:05', 1, 2,  current_date,      current_date,      1,    0, null),
  -- a new order without lines yet
  (7, current_date      + time '08:30', 7, 15, current_date + 10, current_date + 25, null, 0, null);

insert into mnf_app.app_spec (id, id_app_doc, id_ii, cnt, done, id_ral, id_gds, price, cost_price,
                              state, accept, accept_stock, job_price, gds_price, id_stock_in) values
  (1,  1, 13, 100, 100, 5, 2,  120,  85,   3, true,  2, 1420, 7800,   4),
  (2,  1, 12, 10,  10,  6, 9,  2500, 1450, 3, true,  0, 0,    5722.5, null),
  (3,  2, 14, 20,  8,   7, 3,  4800, 2900, 2, true,  0, 0,    42000,  null),
  (4,  2, 13, 200, 0,   6, 2,  115,  87.4, 2, true,  0, 0,    15750,  null),
  (5,  3, 12, 15,  0,   5, 9,  2500, 1450, 1, true,  0, 0,    0,      null),
  (6,  3, 13, 50,  0,   8, 2,  118,  87.4, 1, true,  0, 0,    0,      null),
  (7,  3, 19, 4,   0,   5, 12, 3900, 0,    1, true,  0, 0,    0,      null),
  (8,  4, 14, 10,  0,   6, 3,  4700, 2900, 0, false, 0, 0,    0,      null),
  (9,  4, 12, 60,  0,   5, 9,  2450, 1450, 0, false, 0, 0,    0,      null),
  (10, 4, 15, 30,  0,   0, 4,  520,  390,  0, false, 0, 0,    0,      null),
  (11, 5, 14, 8,   0,   7, 3,  4750, 2900, 0, false, 0, 0,    0,      null),
  (12, 5, 13, 40,  0,   7, 2,  120,  87.4, 0, false, 0, 0,    0,      null),
  (13, 6, 13, 100, 0,   5, 2,  87.4, 87.4, 0, false, 0, 0,    0,      null);

-- Issue lines: material and paint of every launched line (store 0 until chosen).
insert into stk_stocks.spec_out (id, id_gds, id_stock_out, cnt_gds, price, d_datetime, accept, id_app_doc, id_app_spec) values
  (1,  2,  5, 60,   95,   current_date - 21 + time '10:00', true,  1, 1),
  (2,  5,  5, 5,    420,  current_date - 21 + time '10:00', true,  1, 1),
  (3,  9,  6, 10,   420,  current_date - 9  + time '09:30', true,  1, 2),
  (4,  6,  5, 3.5,  435,  current_date - 9  + time '09:30', true,  1, 2),
  (5,  3,  5, 240,  145,  current_date - 4  + time '11:00', true,  2, 3),
  (6,  7,  5, 16,   450,  current_date - 4  + time '11:00', true,  2, 3),
  (7,  2,  5, 120,  95,   current_date - 2  + time '15:10', true,  2, 4),
  (8,  6,  5, 10,   435,  current_date - 2  + time '15:10', true,  2, 4),
  (9,  9,  6, 15,   420,  current_date - 1  + time '09:00', false, 3, 5),
  (10, 5,  0, 5.25, 420,  current_date - 1  + time '09:00', false, 3, 5),
  (11, 2,  0, 30,   95,   current_date - 1  + time '09:05', false, 3, 6),
  (12, 8,  0, 2.5,  440,  current_date - 1  + time '09:05', false, 3, 6),
  (13, 12, 7, 4,    1450, current_date      + time '08:20', false, 3, 7),
  (14, 5,  5, 0.08, 420,  current_date      + time '08:20', false, 3, 7);

-- Progress of the operations of the issued lines.
insert into mnf_proc_tech.tp_operation (app_spec_id, tp_id, operation_id, cnt, done, orderby) values
  (1, 5, 11, 100, 100, 1), (1, 5, 12, 100, 100, 2), (1, 5, 13, 100, 100, 3), (1, 5, 14, 100, 100, 4),
  (2, 4, 7,  10,  10,  1), (2, 4, 8,  10,  10,  2), (2, 4, 9,  10,  10,  3), (2, 4, 10, 10,  10,  4),
  (3, 6, 15, 20,  20,  1), (3, 6, 16, 20,  8,   2), (3, 6, 17, 20,  0,   3), (3, 6, 18, 20,  0,   4),
  (3, 6, 19, 20,  0,   5),
  (4, 5, 11, 200, 0,   1), (4, 5, 12, 200, 0,   2), (4, 5, 13, 200, 0,   3), (4, 5, 14, 200, 0,   4);

------------------------------------------------------------------------------------------
-- Work records and the time sheet
------------------------------------------------------------------------------------------

insert into accounts_dep.smena (data, smena, w_id, i_id, o_id, cena, kol_vo, brak, time, color, ok, vvod,
                                prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) values
  -- line 1: brackets, received into stock, records accepted
  (current_date - 20, 1, 5,  13, 11, 4.5,  60,  0, 8, 0, 'ok', current_date - 20 + time '16:40', 0, 1, 1, 0, 2, 0),
  (current_date - 20, 2, 6,  13, 11, 4.5,  40,  2, 6, 0, 'ok', current_date - 20 + time '23:10', 0, 1, 1, 0, 2, 0),
  (current_date - 19, 1, 7,  13, 12, 3.5,  100, 0, 8, 0, 'ok', current_date - 19 + time '16:55', 0, 1, 1, 0, 2, 0),
  (current_date - 18, 1, 11, 13, 13, 5.0,  100, 0, 8, 0, 'ok', current_date - 18 + time '17:05', 0, 1, 1, 0, 2, 0),
  (current_date - 17, 1, 13, 13, 14, 1.2,  100, 0, 4, 0, 'ok', current_date - 17 + time '12:30', 0, 1, 1, 0, 2, 0),
  -- line 2: cabinets, produced, not yet received
  (current_date - 8,  1, 9,  12, 7,  45,   6,   0, 8, 0, 'no', current_date - 8 + time '16:45', 0, 1, 2, 0, 9, 0),
  (current_date - 8,  2, 10, 12, 7,  45,   4,   0, 6, 0, 'no', current_date - 8 + time '23:05', 0, 1, 2, 0, 9, 0),
  (current_date - 7,  1, 12, 12, 8,  38.5, 10,  1, 8, 0, 'no', current_date - 7 + time '16:50', 0, 1, 2, 0, 9, 0),
  (current_date - 6,  1, 8,  12, 9,  25,   5,   0, 7, 0, 'no', current_date - 6 + time '15:55', 0, 1, 2, 0, 9, 0),
  (current_date - 6,  1, 7,  12, 9,  25,   5,   0, 7, 0, 'no', current_date - 6 + time '15:55', 0, 1, 2, 0, 9, 0),
  (current_date - 5,  1, 13, 12, 10, 6,    10,  0, 3, 0, 'no', current_date - 5 + time '11:20', 0, 1, 2, 0, 9, 0),
  -- line 3: shelving in progress (today's records show in the journal)
  (current_date - 2,  1, 5,  14, 15, 20,   12,  0, 8, 0, 'no', current_date - 2 + time '16:30', 0, 2, 3, 0, 3, 0),
  (current_date - 2,  1, 6,  14, 15, 20,   8,   0, 8, 0, 'no', current_date - 2 + time '16:35', 0, 2, 3, 0, 3, 0),
  (current_date - 1,  1, 9,  14, 16, 55,   5,   0, 8, 0, 'no', current_date - 1 + time '16:50', 0, 2, 3, 0, 3, 0),
  (current_date,      1, 10, 14, 16, 55,   2,   0, 6, 0, 'no', current_date + time '14:10', 0, 2, 3, 0, 3, 0),
  (current_date,      4, 9,  14, 16, 55,   1,   0, 2, 0, 'no', current_date + time '19:00', 0, 2, 3, 0, 3, 0);

do $$
declare
  r record;
begin
  for r in select distinct w_id, smena, data from accounts_dep.smena loop
    perform accounts_dep.apply_time_sheet(r.w_id, r.smena, r.data);
  end loop;
end
$$;

------------------------------------------------------------------------------------------
-- Receipt orders and stock
------------------------------------------------------------------------------------------

insert into stk_stocks.stock_in (id, date_in, d_datetime, id_accomp_doc, id_jur_pers, id_department) values
  (1, current_date - 30, current_date - 30 + time '09:00', '1457', 2, 5),  -- steel from СтальПрофи
  (2, current_date - 10, current_date - 10 + time '10:15', '2210', 3, 5),  -- paints from Колор-Маркет
  (3, current_date - 2,  current_date - 2  + time '13:40', '0',    2, 5),  -- one line still to accept
  (4, current_date - 14, current_date - 14 + time '15:00', '0',    4, 7),  -- finished brackets
  (5, current_date,      current_date      + time '08:10', '0',    4, 7);  -- empty, to be filled

insert into stk_stocks.spec_in (id_stock_in, id_gds, id_msm, cnt_gds, price, nds, d_datetime, accept, id_app_spec) values
  (1, 1,  1, 1000, 92.5, 15416.67, current_date - 30, true,  null),
  (1, 2,  1, 800,  95,   12666.67, current_date - 30, true,  null),
  (1, 3,  2, 300,  145,  7250,     current_date - 30, true,  null),
  (2, 5,  1, 60,   420,  4200,     current_date - 10, true,  null),
  (2, 6,  1, 25,   435,  1812.5,   current_date - 10, true,  null),
  (2, 7,  1, 30,   450,  2250,     current_date - 10, true,  null),
  (2, 8,  1, 12,   440,  880,      current_date - 10, true,  null),
  (3, 4,  1, 150,  110,  2750,     current_date - 2,  true,  null),
  (3, 1,  1, 500,  91,   null,     current_date - 2,  false, null),
  (4, 13, 4, 100,  9220, null,     current_date - 14, true,  1);

-- Stock of every store; reserve is what the launched lines hold of each material.
insert into stk_stocks.stock (id_stock, id_ii, count, reserve, price, job_price, gds_price) values
  (5, 1,  1000, 0,     92.5,  0,     0),
  (5, 2,  740,  150,   95,    0,     0),
  (5, 3,  60,   0,     145,   0,     0),
  (5, 4,  150,  0,     110,   0,     0),
  (5, 5,  60,   10.33, 420,   0,     0),
  (5, 6,  25,   13.5,  435,   0,     0),
  (5, 7,  30,   16,    450,   0,     0),
  (5, 8,  12,   2.5,   440,   0,     0),
  (5, 17, 2000, 0,     4.2,   0,     0),
  (6, 9,  30,   15,    420,   0,     0),
  (6, 10, 40,   0,     280,   0,     0),
  (6, 11, 500,  0,     60,    0,     0),
  (7, 12, 12,   4,     1450,  120,   780),
  (7, 13, 300,  0,     87.4,  14.07, 73.33),
  (7, 14, 5,    0,     2900,  140,   2100),
  (7, 15, 0,    0,     390,   30,    250);   -- sold out: the row stays, the lists hide it

------------------------------------------------------------------------------------------
-- Purchase requests
------------------------------------------------------------------------------------------

insert into stk_purchase.purchase_doc (id, d_date, id_jur_person, id_person, d_in, id_app_doc, id_app_spec) values
  (1, current_date - 9 + time '10:00', 2,    14, current_date - 3, null, null),
  (2, current_date - 4 + time '12:30', 5,    14, current_date + 4, null, null),
  -- raised by production for line 11 (tube short): no supplier, no price yet
  (3, current_date - 1 + time '16:45', null, 15, current_date + 7, 5,    11);

insert into stk_purchase.purchase_spec (id_purchase_doc, id_gds, cnt, gds_price, state) values
  (1, 1,  500,  91,   2),   -- on stock: copied into receipt order 3
  (1, 2,  300,  94,   1),   -- being bought
  (1, 3,  200,  150,  0),
  (2, 17, 1000, 4.5,  1),
  (2, 4,  200,  null, 0),
  (3, 3,  36,   null, 0);

------------------------------------------------------------------------------------------
-- Version stamp, sequences
------------------------------------------------------------------------------------------

update public.ver set d = 0, t = 0, delim = '.';

do $$
declare
  col record;
begin
  for col in
    select n.nspname, c.relname, a.attname,
           pg_get_serial_sequence(format('%I.%I', n.nspname, c.relname), a.attname) as seq
      from pg_attribute a
      join pg_class c on c.oid = a.attrelid and c.relkind = 'r'
      join pg_namespace n on n.oid = c.relnamespace
     where a.attnum > 0 and not a.attisdropped
       and n.nspname not in ('pg_catalog', 'information_schema') and n.nspname not like 'pg_toast%'
       and pg_get_serial_sequence(format('%I.%I', n.nspname, c.relname), a.attname) is not null
  loop
    execute format('select setval(%L, coalesce((select max(%I) from %I.%I), 0)::bigint + 1, false)',
                   col.seq, col.attname, col.nspname, col.relname);
  end loop;
end
$$;
