-- The demo plant is consistent, so that every screen can be walked end to end: its stock,
-- reserves, issue lines, operation progress and time sheet agree with the order lines, and
-- its users can log in.

do $$
declare
  r record;
begin
  -- stores of every kind, a department with a parent, an inactive role, a non-employee
  assert (select array_agg(distinct type::integer order by type::integer) from cmn_department.department) = '{-1,0,1,2}',
         'departments of every kind';
  assert exists (select 1 from cmn_department.department where id_parent <> 0), 'a department with a parent';
  assert exists (select 1 from adm_role.roles where not b_active) and exists (select 1 from adm_role.roles where b_active),
         'active and inactive roles';
  assert (select count(*) from cmn_contractor.person where b_employee) between 10 and 20, 'workers';
  assert (select array_agg(distinct id_type order by id_type) from cmn_inventory_items.inventory_items) = '{0,1,2,3}',
         'items of every type';
  assert exists (select 1 from cmn_inventory_items.inventory_items where id_nom = 7), 'items of kind 7';

  -- order lines in every state, and receipt marks
  assert (select array_agg(distinct state::integer order by state::integer) from mnf_app.app_spec) = '{0,1,2,3}',
         'lines in every state';
  assert (select array_agg(distinct accept_stock order by accept_stock) from mnf_app.app_spec) = '{0,2}',
         'received and unreceived lines';
  assert (select count(*) from stk_stocks.stock s join cmn_department.department d on d.id = s.id_stock
           where s.reserve > 0 and d.type in (0, 1, 2)) >= 3, 'reserves';
  assert (select array_agg(distinct state::integer order by state::integer) from stk_purchase.purchase_spec) = '{0,1,2}',
         'purchase lines in every state';
  assert exists (select 1 from stk_stocks.spec_in where accept) and exists (select 1 from stk_stocks.spec_in where not accept),
         'accepted and open receipt lines';

  for r in select * from mnf_app.app_spec loop
    -- launched lines hold their issue lines, issued ones all accepted; new lines none
    if r.state = 0 then
      assert not r.accept and not exists (select 1 from stk_stocks.spec_out where id_app_spec = r.id),
             format('line %s is new', r.id);
    else
      assert r.accept and exists (select 1 from stk_stocks.spec_out where id_app_spec = r.id and id_gds = r.id_gds),
             format('line %s has its material issue line', r.id);
      assert (select bool_and(accept = (r.state >= 2)) from stk_stocks.spec_out where id_app_spec = r.id),
             format('issue lines of line %s', r.id);
    end if;
    -- issued lines carry one progress row per operation of the process, recorded work adds up
    if r.state >= 2 then
      assert (select count(*) from mnf_proc_tech.tp_operation where app_spec_id = r.id)
           = (select count(*) from mnf_operation.operation o join mnf_proc_tech.proc_tech pt on pt.id = o.id_proc_tech
               where pt.id_inventory_items = r.id_ii), format('progress rows of line %s', r.id);
      assert not exists (select 1 from mnf_proc_tech.tp_operation t
                          where t.app_spec_id = r.id
                            and t.done <> coalesce((select sum(kol_vo) from accounts_dep.smena s
                                                     where s.id_doc_item = r.id and s.o_id = t.operation_id), 0)),
             format('progress of line %s matches its work records', r.id);
    else
      assert not exists (select 1 from mnf_proc_tech.tp_operation where app_spec_id = r.id), format('line %s not issued', r.id);
    end if;
    if r.state = 3 then
      assert not exists (select 1 from mnf_proc_tech.tp_operation where app_spec_id = r.id and done < cnt),
             format('line %s produced', r.id);
    end if;
  end loop;

  -- reserve of every stock row: the issue lines of the material less what the first operations took
  assert not exists (
    select 1 from stk_stocks.stock s
     where s.reserve <> coalesce((select sum(so.cnt_gds) from stk_stocks.spec_out so where so.id_gds = s.id_ii), 0)
                      - coalesce((select sum(w.kol_vo * ii.massa)
                                    from accounts_dep.smena w
                                    join mnf_operation.operation o on o.id = w.o_id and o.orderby = 1
                                    join mnf_proc_tech.proc_tech pt on pt.id = o.id_proc_tech
                                    join cmn_inventory_items.inventory_items ii on ii.id = pt.id_inventory_items
                                   where pt.id_gds = s.id_ii), 0)), 'reserves agree with the lines';

  -- the time-sheet rule holds for every worker, shift and day
  for r in select w_id, smena, data, sum(time) as hours from accounts_dep.smena group by w_id, smena, data loop
    assert (select (to_jsonb(h) ->> ('d' || extract(day from r.data)))::integer
              from accounts_dep.h_tabel h
             where h.w_id = r.w_id and h.smena = r.smena
               and h.month = extract(month from r.data) and h.year = extract(year from r.data)) = r.hours,
           format('time sheet of %s, shift %s, %s', r.w_id, r.smena, r.data);
  end loop;

  assert exists (select 1 from accounts_dep.smena where data = current_date), 'work recorded today';
  assert (select (d, t, delim) = (0, 0, '.'::varchar) from ver), 'version row';
  assert nextval('mnf_app.app_spec_id_seq') > (select max(id) from mnf_app.app_spec), 'sequences ahead';
  assert nextval('mnf_proc_tech.proc_tech_id_seq') > (select max(id) from mnf_proc_tech.proc_tech), 'sequences ahead';
  assert nextval('stk_stocks.stocks_id_seq') > (select max(id) from stk_stocks.stock_in), 'sequences ahead';
end
$$;

-- Every demo login works with its password and is a user of a person.
\c -reuse-previous=on "user=master password=master1"
do $$ begin assert (select id_person from adm_user.users where s_name = current_user) is not null; end $$;
\c -reuse-previous=on "user=clerk_a password=clerk1"
do $$ begin assert (select id_person from adm_user.users where s_name = current_user) is not null; end $$;
\c -reuse-previous=on "user=econom password=econom1"
do $$ begin assert (select id_person from adm_user.users where s_name = current_user) is not null; end $$;
